// An in-memory registry with the behaviour the program relies on: names compared without
// case, a trailing backslash naming the same key, values kept in creation order (or, when
// asked, in name order as Wine keeps them).
#pragma once

#include "platform/Registry.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform::fake {

class FakeRegistry : public Registry {
public:
    struct Node {
        std::string name;
        std::vector<std::pair<std::string, RegValue>> values;
        std::vector<std::unique_ptr<Node>> children;
        bool deleted = false;
        Node* parent = nullptr;
    };

    FakeRegistry();
    ~FakeRegistry() override;

    // What one call to Open or OpenReadOnly asked for, and whether it made the key.
    struct OpenRecord {
        Hive hive = Hive::CurrentUser;
        std::string path;
        bool readOnly = false;
        bool created = false;
    };

    std::unique_ptr<RegKey> Open(Hive hive, const std::string& path, bool create,
                                 RegStatus* status = nullptr) override;
    std::unique_ptr<RegKey> OpenReadOnly(Hive hive, const std::string& path, bool createMissing,
                                         RegStatus* status = nullptr) override;
    RegStatus DeleteKey(Hive hive, const std::string& path) override;
    std::string ErrorText(RegStatus status) override;
    bool KeepsValuesInNameOrder() const override { return valuesInNameOrder_; }
    // Test control: new values take their place by name instead of going to the end.
    void KeepValuesInNameOrder(bool on) { valuesInNameOrder_ = on; }

    // Test controls: every write (values and keys) below the given path fails with the
    // status; an empty path ends the failure.
    void FailWritesUnder(Hive hive, const std::string& path, RegStatus status = kRegAccessDenied);
    // Test control: opening a key below the path fails with the status (a key the user may
    // not read); an empty path ends it.
    void DenyOpenUnder(Hive hive, const std::string& path, RegStatus status = kRegAccessDenied);
    // Test control: listing the values of a key below the path stops with the status.
    void FailListingUnder(Hive hive, const std::string& path, RegStatus status);
    // Fault injection, counting value writes and deletions from this call on (1 is the
    // next): the given one fails with the status, or another program deletes the key
    // right after the given one. 0 ends it.
    void FailWriteNumber(int number, RegStatus status = kRegAccessDenied);
    void DeleteKeyAfterWrite(int number, Hive hive, const std::string& path);
    int WritesSeen() const { return writesSeen_; }
    // Direct access for tests.
    bool KeyExists(Hive hive, const std::string& path);
    void SetValue(Hive hive, const std::string& path, const std::string& name, RegType type,
                  const std::vector<std::uint8_t>& data);
    // A value exactly as given, the store's own bytes of a text included.
    void SetRaw(Hive hive, const std::string& path, const std::string& name, RegValue value);
    void SetString(Hive hive, const std::string& path, const std::string& name,
                   const std::string& text);
    void SetBinary(Hive hive, const std::string& path, const std::string& name,
                   const std::vector<std::uint8_t>& data);
    std::optional<RegValue> GetValue(Hive hive, const std::string& path, const std::string& name);
    // The REG_SZ text without its terminating zero; nullopt when missing or not REG_SZ.
    std::optional<std::string> GetString(Hive hive, const std::string& path,
                                         const std::string& name);
    std::vector<std::string> ValueNamesOf(Hive hive, const std::string& path);
    // Number of keys opened and not yet closed.
    int OpenKeys() const { return openKeys_; }
    // What was asked of the registry since the last ForgetAccess: every open in order; the
    // writes and deletions refused because their key was opened for reading (a load that
    // tries to write); the values queried, read or listed through keys opened for writing
    // (a load reading through a key a save left open for writing).
    const std::vector<OpenRecord>& Opens() const { return opens_; }
    int WritesThroughReadOnlyKeys() const { return readOnlyWrites_; }
    int ReadsThroughWritableKeys() const { return writableReads_; }
    void ForgetAccess();
    void CountReadOnlyWrite() { ++readOnlyWrites_; }
    void CountWritableRead() { ++writableReads_; }

    bool WriteAllowed(const Node* node, RegStatus* status) const;
    int& OpenKeyCounter() { return openKeys_; }
    // Called by the keys around every value write and deletion.
    bool CountWrite(RegStatus* status);
    void WriteDone();
    RegStatus ListFailure(const Node* node);

private:
    Node* Root(Hive hive);
    Node* Find(Hive hive, const std::string& path, bool create);
    std::unique_ptr<RegKey> OpenKey(Hive hive, const std::string& path, bool create, bool readOnly,
                                    RegStatus* status);
    static bool IsBelow(const Node* node, const Node* ancestor);

    Node currentUser_;
    Node localMachine_;
    Hive failHive_ = Hive::CurrentUser;
    std::string failPath_;
    RegStatus failStatus_ = kRegOk;
    Hive deniedHive_ = Hive::CurrentUser;
    std::string deniedPath_;
    RegStatus deniedOpen_ = kRegOk;
    Hive listHive_ = Hive::CurrentUser;
    std::string listPath_;
    RegStatus listFailure_ = kRegOk;
    int writesSeen_ = 0;
    int failAtWrite_ = 0;
    RegStatus failAtWriteStatus_ = kRegOk;
    int deleteAfterWrite_ = 0;
    Hive deleteHive_ = Hive::CurrentUser;
    std::string deletePath_;
    int openKeys_ = 0;
    bool valuesInNameOrder_ = false;
    std::vector<std::unique_ptr<Node>> deletedNodes_;
    std::vector<OpenRecord> opens_;
    int readOnlyWrites_ = 0;
    int writableReads_ = 0;
};

} // namespace platform::fake

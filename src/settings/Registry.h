// TRegistry: a registry accessor with a root hive and at most one open current key.
// A path that begins with a backslash, or any path while no key is open, is taken from
// the root; otherwise it is taken below the current key.
#pragma once

#include "platform/Registry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace settings {

enum class TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

class TRegistry {
public:
    explicit TRegistry(platform::Hive root = platform::Hive::CurrentUser);
    virtual ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    platform::Hive RootKey() const { return root_; }

    // Opens the key for writing. A key that may be read but not written opens for reading
    // (writes then fail with the reason).
    bool OpenKey(const std::string& path, bool canCreate);
    // Opens the key asking for read access only; with createMissing a missing key is made
    // first (an existing one is never opened for writing). Writes through it fail.
    bool OpenKeyReadOnly(const std::string& path, bool createMissing = false);
    // Opens the key for loading: for reading only, made first when missing. False when it
    // is missing and could not be made; a key that exists but cannot be read raises the
    // store error naming it and the reason.
    bool OpenKeyForLoading(const std::string& path);
    // Opens the key for writing, made first when missing; a key that does not open raises
    // the store error naming it and the reason.
    void OpenKeyForWriting(const std::string& path);
    // Why the last OpenKey or OpenKeyReadOnly failed (kRegOk after a success).
    platform::RegStatus LastOpenStatus() const { return lastOpenStatus_; }
    // The root's name and the path, as the user knows a key: "HKEY_CURRENT_USER\...".
    std::string FullKeyName(const std::string& path) const;
    void CloseKey();
    bool CreateKey(const std::string& name);
    bool DeleteKey(const std::string& path);
    bool DeleteValue(const std::string& name);
    bool ValueExists(const std::string& name);
    bool HasSubKeys();
    // Every value of the current key with its type and data, read in one pass. A key that
    // cannot be read to its end raises a store error naming the key and the reason.
    std::vector<std::pair<std::string, platform::RegValue>> GetValues();
    // The text of a REG_SZ or REG_EXPAND_SZ value's data, as ReadString gives it.
    static std::string TextOf(const platform::RegValue& value);
    static bool IsText(const platform::RegValue& value);

    // A missing value reads as the empty text; a value that is not text is a read error.
    std::string ReadString(const std::string& name);
    void WriteString(const std::string& name, const std::string& text);
    // Writes (name, text) pairs as WriteString would one after another, in as few calls
    // to the store as it allows; a text that carries the store's own bytes
    // (RegValue::original) is written back with them. Every text that can be stored is
    // written before the first failure is raised.
    void WriteTexts(std::vector<std::pair<std::string, platform::RegValue>> texts);
    // Makes the current key hold exactly these text values (written as WriteTexts does)
    // without deleting it first: every text is written, then the values that are not among
    // them are deleted. Stopped at any moment, the key holds every value it held before or
    // was given. A key deleted meanwhile by another program is made again once and written
    // whole. Subkeys are left alone. Any failure raises the store error.
    void ReplaceTexts(std::vector<std::pair<std::string, platform::RegValue>> texts);
    // A text value with the store's own bytes when the text cannot hold its characters;
    // nullopt when missing. A value that is not text is a read error.
    std::optional<platform::RegValue> ReadText(const std::string& name);
    // Reads at most bufferSize bytes of REG_BINARY data; returns the size read (0 for a
    // missing value). A value of another type or a larger size is a read error.
    int ReadBinaryData(const std::string& name, std::uint8_t* buffer, int bufferSize);
    void WriteBinaryData(const std::string& name, const std::uint8_t* data, int size);
    TRegDataType GetDataType(const std::string& name);

private:
    std::string Resolve(const std::string& path) const;
    bool Take(std::unique_ptr<platform::RegKey> key, std::string path, bool readOnly);
    void Write(const std::string& name, platform::RegType type,
               const std::vector<std::uint8_t>& data);
    // The current key, opened for writing, was deleted by another program: opens (creates)
    // it again. True when a fresh key is current.
    bool ReopenDeletedKey();
    [[noreturn]] void RaiseNoKey(const std::string& name) const;
    // Removes the texts that hold a zero byte (it would end the stored text early and lose
    // the rest); returns the first one's name.
    static std::optional<std::string>
    DropUnstorable(std::vector<std::pair<std::string, platform::RegValue>>& texts);

    platform::Hive root_;
    std::unique_ptr<platform::RegKey> current_;
    std::string currentPath_;
    bool currentReadOnly_ = false;
    platform::RegStatus lastOpenStatus_ = platform::kRegOk;
};

} // namespace settings

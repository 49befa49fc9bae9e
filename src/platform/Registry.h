// The registry as the program sees it: hives, keys opened by path, typed values.
// Names and texts are code page 1252 bytes; the Win32 implementation converts at the API.
#pragma once

#include "platform/RegistryTree.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

enum class Hive { CurrentUser, LocalMachine };

// Registry value types, numbered as Windows numbers them.
enum class RegType : std::uint32_t {
    None = 0,
    Sz = 1,
    ExpandSz = 2,
    Binary = 3,
    DWord = 4,
    MultiSz = 7,
};

constexpr std::uint32_t TypeNumber(RegType type) {
    return static_cast<std::uint32_t>(type);
}
// Types whose data is text: plain, expandable and multi-line.
constexpr bool IsTextType(std::uint32_t type) {
    return type == TypeNumber(RegType::Sz) || type == TypeNumber(RegType::ExpandSz) ||
           type == TypeNumber(RegType::MultiSz);
}

struct RegValue {
    RegValue() = default;
    RegValue(std::uint32_t type, std::vector<std::uint8_t> data,
             std::vector<std::uint8_t> original = {})
        : type(type), data(std::move(data)), original(std::move(original)) {}

    std::uint32_t type = 0; // a RegType, or any other number the store holds
    std::vector<std::uint8_t> data;
    // A text the program's code page cannot hold keeps the store's own bytes here (UTF-16
    // on Windows) beside data, which shows it with '?'; empty for every other value. A value
    // written with them stores them instead of data, so an untouched text goes back as it
    // came; whoever changes data must clear them.
    std::vector<std::uint8_t> original;
};

struct RegValueInfo {
    std::uint32_t type = 0;
    std::uint32_t size = 0; // bytes as stored; for REG_SZ including the terminating zero
};

// The result of a registry call: 0 for success, otherwise the system's error number.
using RegStatus = std::uint32_t;

// Error numbers the program names.
inline constexpr RegStatus kRegOk = 0;
inline constexpr RegStatus kRegFileNotFound = 2;
inline constexpr RegStatus kRegAccessDenied = 5;
inline constexpr RegStatus kRegKeyDeleted = 1018;

// An open key. Closing happens when the object is destroyed.
class RegKey {
public:
    virtual ~RegKey() = default;
    RegKey() = default;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // The empty name is the key's default value.
    virtual std::optional<RegValueInfo> QueryValue(const std::string& name) = 0;
    virtual std::optional<RegValue> ReadValue(const std::string& name) = 0;
    // A REG_SZ value is passed as its text bytes without the terminating zero;
    // the implementation stores the zero.
    virtual RegStatus WriteValue(const std::string& name, std::uint32_t type,
                                 const std::vector<std::uint8_t>& data) = 0;
    // Writes the values as if one after another in the given order: a name given twice
    // keeps the later data. Returns kRegOk, or the status of a value that could not be
    // written with *failed set to its index; the other values may then be written or not.
    virtual RegStatus WriteValues(const std::vector<std::pair<std::string, RegValue>>& values,
                                  std::size_t* failed) = 0;
    virtual RegStatus DeleteValue(const std::string& name) = 0;
    virtual std::vector<std::string> ValueNames() = 0;
    // Every value with its name, type and data in one pass (as ReadValue gives each). A key
    // that cannot be listed to its end sets *status (when given) to the reason; the values
    // returned are then only a part.
    virtual std::vector<std::pair<std::string, RegValue>> Values(RegStatus* status = nullptr) = 0;
    // How many values the key holds, in one call where the store allows it; nullopt with
    // *status (when given) set when it cannot tell.
    virtual std::optional<std::size_t> ValueCount(RegStatus* status = nullptr) {
        RegStatus listed = kRegOk;
        const std::size_t count = Values(&listed).size();
        if (status != nullptr) {
            *status = listed;
        }
        return listed == kRegOk ? std::optional<std::size_t>(count) : std::nullopt;
    }
    virtual std::vector<std::string> SubKeyNames() = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens hive\path for writing; with create, makes the key and any missing parents.
    // A key that may be read but not written opens for reading, and its writes then
    // report the real reason. Returns null and sets *status (when given) on failure.
    virtual std::unique_ptr<RegKey> Open(Hive hive, const std::string& path, bool create,
                                         RegStatus* status = nullptr) = 0;
    // Opens hive\path asking for read access only; with createMissing, a missing key (and
    // its missing parents) is made first, and an existing one is only opened. Every write
    // and deletion through the key fails with kRegAccessDenied.
    virtual std::unique_ptr<RegKey> OpenReadOnly(Hive hive, const std::string& path,
                                                 bool createMissing,
                                                 RegStatus* status = nullptr) = 0;
    // Says that the values of hive\path will soon be listed: a store may start reading them
    // now, for the first listing of the key (through a key opened later) to take, as long as
    // nothing was written to the key through this registry meanwhile.
    virtual void ReadAhead(Hive /*hive*/, const std::string& /*path*/) {}
    // Deletes the key with everything below it.
    virtual RegStatus DeleteKey(Hive hive, const std::string& path) = 0;
    // Reads the key and every key below it, a key before its subkeys, as the store keeps
    // them (names and texts in UTF-16). kRegOk, or why a key could not be opened or listed
    // (kRegFileNotFound for a missing key); keys then holds only a part. This one reads
    // through the keys and converts from code page 1252; a store with names of its own in
    // UTF-16 reads them as they are.
    virtual RegStatus ReadTree(Hive hive, const std::string& path, std::vector<RegTreeKey>& keys);
    // Makes the key at path hold exactly the keys given as ReadTree reads them: deletes it
    // with everything below it, then makes each key and writes its values (no keys: the key
    // stays deleted). kRegOk, or the reason of the first step that failed; the keys are then
    // written in part. This one writes through the keys in code page 1252, keeping a text's
    // UTF-16 bytes where the code page cannot hold it; a store with names of its own in
    // UTF-16 writes them as they are.
    virtual RegStatus WriteTree(Hive hive, const std::string& path,
                                const std::vector<RegTreeKey>& keys);
    // The system's text for an error number, in code page 1252.
    virtual std::string ErrorText(RegStatus status) = 0;
    // Whether every key lists its values ordered by name (ignoring case) whatever order they
    // were written in. Such a store ends up the same for any order of writing, and takes
    // values written in name order fastest. Windows lists them in the order of creation.
    virtual bool KeepsValuesInNameOrder() const = 0;
};

// A key path without leading and trailing backslashes: the registry takes none at the
// start, and one at the end names the same key.
std::string TrimBackslashes(const std::string& path);

} // namespace platform

// Reads a registry file as the registry editor imports it: "REGEDIT4" in code page 1252, or
// "Windows Registry Editor Version 5.00" in UTF-16 (low byte first, with byte-order mark).
// The reader is stricter than the editor: a line the editor would skip or read only in part
// is an error here, so that what the file does is known in full before it is applied.
#pragma once

#include "platform/RegistryTree.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace macros {

// A value as the registry keeps it: the name in UTF-16 (empty for the key's default value),
// texts as UTF-16 bytes, low byte first.
using RegFileValue = platform::RegTreeValue;

// A value line: the value is set, or with remove ("name"=-) deleted.
struct RegFileChange {
    std::size_t line = 0;
    bool remove = false;
    RegFileValue value;
};

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig, DynData };

// A section line and the value lines below it. A section creates its key; with remove
// ("[-...]") it deletes the key with everything below it and has no values.
struct RegFileSection {
    std::size_t line = 0;
    bool remove = false;
    RegRoot root = RegRoot::CurrentUser;
    std::u16string path;    // below the root, as written; empty for the root itself
    std::u16string keyName; // root and path as written between the brackets
    std::vector<RegFileChange> changes;
};

struct RegFile {
    bool utf16 = false;
    std::vector<RegFileSection> sections;
};

// Why a file is not read: the line (counted from 1) and the reason, in code page 1252.
struct RegFileError {
    std::size_t line = 0;
    std::string reason;
};

std::variant<RegFile, RegFileError> ReadRegFile(std::string_view bytes);

} // namespace macros

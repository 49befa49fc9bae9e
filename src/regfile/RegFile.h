// A registry file as the registry editor reads it: sections naming keys, each with the values
// it sets or deletes. Names are UTF-16 whatever the file's encoding; texts are the UTF-16
// bytes the registry keeps.
#pragma once

#include "platform/RegistryTree.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regfile {

// A value as the registry keeps it: the name in UTF-16 (empty for the key's default value),
// texts as UTF-16 bytes, low byte first.
using RegFileValue = platform::RegTreeValue;

// A value line: the value is set, or with remove ("name"=-) deleted.
struct RegFileChange {
    std::size_t line = 0;
    bool remove = false;
    RegFileValue value;
    bool operator==(const RegFileChange&) const = default;
};

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig, DynData };

// The root's name as the files write it ("HKEY_CURRENT_USER").
std::u16string_view RootName(RegRoot root);
// The root of that name, in any case of its letters.
std::optional<RegRoot> RootNamed(std::u16string_view name);

// A section line and the value lines below it. A section creates its key; with remove
// ("[-...]") it deletes the key with everything below it and has no values.
struct RegFileSection {
    std::size_t line = 0;
    bool remove = false;
    RegRoot root = RegRoot::CurrentUser;
    std::u16string path;    // below the root, as written; empty for the root itself
    std::u16string keyName; // root and path as written between the brackets
    std::vector<RegFileChange> changes;
    bool operator==(const RegFileSection&) const = default;
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

} // namespace regfile

// Writes keys of the current user as a "Windows Registry Editor Version 5.00" file in UTF-16
// (low byte first, with byte-order mark, as the registry editor writes it): names and texts
// in any script, line breaks, zero characters and every type come back as they were when the
// editor imports it.
#pragma once

#include "macros/RegFileReader.h"

#include <optional>
#include <string>
#include <vector>

namespace macros {

// A key below HKEY_CURRENT_USER with its values.
using RegFileKey = platform::RegTreeKey;

// A file that first deletes the key at path with everything below it and then writes the
// keys, a key before its subkeys. With no keys it only deletes: the key did not exist.
// Nothing when a key name holds a line break or a zero, or a value name a zero: no registry
// file can hold them.
std::optional<std::string> RegFileUtf16(const std::u16string& path,
                                        const std::vector<RegFileKey>& keys);

} // namespace macros

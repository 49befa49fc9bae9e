// Writes registry files as "Windows Registry Editor Version 5.00" in UTF-16 (low byte first,
// with byte-order mark, as the registry editor writes it), in the plain forms that the
// registry editors of Windows and Wine read alike: sections, deleted sections, quoted names
// and texts, "dword:", "hex(N):" wrapped as the editor wraps it, and no comments. Names and
// texts in any script, line breaks, zero characters and every type come back as they were.
#pragma once

#include "regfile/RegFile.h"

#include <optional>
#include <string>
#include <vector>

namespace regfile {

// The sections in order: each with its values set or deleted, or the key deleted. Nothing
// when a key name holds a line break or a zero, or a value name a zero: no registry file can
// hold them.
std::optional<std::string> WriteUtf16(const RegFile& file);

// A key below HKEY_CURRENT_USER with its values.
using RegFileKey = platform::RegTreeKey;

// A file that first deletes the key at path with everything below it and then writes the
// keys, a key before its subkeys. With no keys it only deletes: the key did not exist.
RegFile ReplacingKey(const std::u16string& path, const std::vector<RegFileKey>& keys);
std::optional<std::string> RegFileUtf16(const std::u16string& path,
                                        const std::vector<RegFileKey>& keys);

// Whether two files do the same: the same sections with the same changes, whatever lines they
// stand on.
bool SameChanges(const RegFile& a, const RegFile& b);

} // namespace regfile

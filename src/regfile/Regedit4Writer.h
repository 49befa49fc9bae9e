// The REGEDIT4 text format the registry editor imports: code page 1252 bytes, every line
// ended by CR LF.
#pragma once

#include "platform/Registry.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace regfile {

inline constexpr std::string_view kRegedit4Header = "REGEDIT4";
inline constexpr std::string_view kRegedit4LineEnd = "\r\n";

// The data part of a value line ("\"text\"", "dword:000000FF", "hex:01,AB"). A text with a
// line break is written as hex(1), its bytes with the terminating zero, which the editor reads
// back as the same text.
std::string Regedit4Data(const platform::RegValue& value);

// A section: "[ROOT\path]", one line per value in the given order, and an empty line.
void AppendRegedit4Section(std::string& file, std::string_view root, std::string_view path,
                           const std::vector<std::pair<std::string, platform::RegValue>>& values);
// The line that deletes a key, and an empty line.
void AppendRegedit4Removal(std::string& file, std::string_view root, std::string_view path);

} // namespace regfile

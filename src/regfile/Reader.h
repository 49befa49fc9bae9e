// Reads a registry file as the registry editor imports it: "REGEDIT4" in code page 1252, or
// "Windows Registry Editor Version 5.00" in UTF-16 (low byte first, with byte-order mark).
// The reader is stricter than the editor: a line the editor would skip or read only in part
// is an error here, so that what the file does is known in full before it is applied.
#pragma once

#include "regfile/RegFile.h"

#include <string_view>
#include <variant>

namespace regfile {

std::variant<RegFile, RegFileError> ReadRegFile(std::string_view bytes);

} // namespace regfile

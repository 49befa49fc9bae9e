// The REGEDIT4 text format the registry editor imports: code page 1252 bytes, every line
// ended by CR LF. The macro export writes it, the import hands it to the registry editor.
#pragma once

#include "platform/Registry.h"
#include "settings/Registry.h"

#include <string>

namespace macros {

// The data part of a value line ("\"text\"", "dword:000000FF", "hex:01,AB").
std::string RegEditData(const platform::RegValue& value);

// Appends the key's section below the accessor's root: the section line, one line per
// value in the order the store lists them, and an empty line. A key that does not open
// adds nothing. The key is opened without being created and closed again.
void ExportKeyToFile(std::string& file, settings::TRegistry& registry, const std::string& keyPath);

// A whole file holding the macro key of the current user, as the registry holds it now.
std::string MacroExportFile();

} // namespace macros

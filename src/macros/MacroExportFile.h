// The macro export's file: the macro key of the store as a REGEDIT4 file.
#pragma once

#include "settings/Registry.h"

#include <string>

namespace macros {

// Appends the key's section below the accessor's root: the section line, one line per
// value in the order the store lists them, and an empty line. A missing key adds nothing;
// one that exists but cannot be read raises the store error with the system's reason. The
// key is opened for reading only, never created, and closed again.
void ExportKeyToFile(std::string& file, settings::TRegistry& registry, const std::string& keyPath);

// A whole file holding the key of the current user as the registry holds it now. With
// replaceKey the file first removes the key ("[-...]"), so that after its import the key holds
// exactly these values again, and no key at all when it had none.
std::string RegEditFileOfKey(const std::string& keyPath, bool replaceKey);

// The macro key as the export writes it: imported, it adds and replaces values.
std::string MacroExportFile();

} // namespace macros

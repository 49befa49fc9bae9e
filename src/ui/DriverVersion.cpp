#include "ui/DriverVersion.h"

#include "platform/Paths.h"
#include "platform/Services.h"
#include "platform/Utf16Text.h"
#include "toolkit/MessageBoxes.h"

#include <cstdio>

namespace ui {

std::string GetVersionInfoString(const std::string& fileName, const std::string& valueName) {
    auto& versions = platform::Versions();
    const auto block = versions.Read(fileName);
    if (!block) {
        return {};
    }
    // Only the first translation counts. Without one the path holds two backslashes in a
    // row, which finds nothing.
    std::string translation;
    if (const auto translations = versions.Translations(*block); !translations.empty()) {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08X",
                      static_cast<unsigned>(SwapWords(translations.front())));
        translation = digits;
    }
    return versions.Text(*block, "\\StringFileInfo\\" + translation + "\\" + valueName)
        .value_or(std::string());
}

void OpenDocumentation() {
    const std::string path = platform::ProgramDir() + "Tastor32.pdf";
    if (!platform::FileSystem().Exists(platform::Utf16FromCp1252(path))) {
        toolkit::ShowError("Datei " + path + " nicht gefunden");
        return;
    }
    if (platform::ShellService().OpenDocument(path) <= platform::kShellLastError) {
        toolkit::ShowError("Kann Datei " + path + " nicht anzeigen");
    }
}

} // namespace ui

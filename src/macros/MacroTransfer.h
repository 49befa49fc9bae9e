// Export and import of the macros: to a REGEDIT4 file or, with Shift, as text to the
// clipboard; and a registry file applied whole or not at all: read and planned first, then,
// after a backup of the macro key, the plan handed to the registry editor in a file of this
// program's own, and the macro key checked afterwards and put back when the plan did not
// arrive.
#pragma once

#include "macros/ImportPlan.h"
#include "macros/MacroTable.h"
#include "platform/RegistryTree.h"

#include <functional>
#include <string>
#include <vector>

namespace macros {

inline constexpr const char* kExportFilter = "Tastor32 Einstellungen|*.reg|Alle Dateien|*.*";
inline constexpr const char16_t* kExportFileName = u"Tastor32 Makros.reg";

// The clipboard form: per macro in list order its key text, a tab and the macro text; CR LF
// between the macros and none after the last.
std::string MacroClipboardText(const TMacroTable& macros);

class TMacroTransfer {
public:
    // The macros as the window shows them, applied or not.
    explicit TMacroTransfer(const TMacroTable& shown);

    // With Shift held the clipboard export, otherwise the file export.
    void ExportBtnClick();
    // Puts the shown macros, applied or not, on the clipboard.
    void CopyMacrosToClipboard();
    // Asks for a file and writes the macro key of the store (the macros as last applied)
    // to it. An existing file is replaced only after asking, and only once the new one is
    // complete.
    void ExportToFile();
    // Asks for a file and plans its import (PlanMacroImport): a refusal is shown, and a plan
    // that replaces or deletes stored macros is applied only after asking. Then keeps a backup
    // of the macro key, lets the registry editor apply the plan's own file, and reads the key
    // back: when it is not as planned it is put back as it was, and the user is told. Once
    // the editor has finished, reloads through reload.
    void ImportBtnClick(const std::function<void()>& reload);

    // The last name confirmed in the export dialog; the import dialog offers it.
    const std::u16string& LastExportFile() const { return lastExportFile_; }

private:
    const TMacroTable& shown_;
    std::u16string lastExportFile_;
};

} // namespace macros

// Export and import of the macros: to a REGEDIT4 file or, with Shift, as text to the
// clipboard; and a registry file merged into the store by the registry editor, once it has
// been read and found to change nothing but the macros, and after the macros as they were
// have been kept in a backup file.
#pragma once

#include "macros/MacroImportCheck.h"
#include "macros/MacroTable.h"
#include "platform/Clock.h"
#include "platform/RegistryTree.h"

#include <functional>
#include <string>
#include <vector>

namespace macros {

inline constexpr const char* kExportFilter = "Tastor32 Einstellungen|*.reg|Alle Dateien|*.*";
inline constexpr const char16_t* kExportFileName = u"Tastor32 Makros.reg";
// How many backups of the macro key the import keeps, the newest ones.
inline constexpr std::size_t kKeptImportBackups = 10;

// The clipboard form: per macro in list order its key text, a tab and the macro text; CR LF
// between the macros and none after the last.
std::string MacroClipboardText(const TMacroTable& macros);

// The backup's file name for a time, e.g. "Makros vor Import 2024-03-05 09-07-02.reg".
// Names of one folder sort by time.
std::string ImportBackupName(const platform::LocalTime& time);
// Whether a file name is one ImportBackupName gives, or one of its numbered twins
// ("..._2.reg") written within the same second; a user's own file never is.
bool IsImportBackupName(const std::u16string& name);

// The question before an import that replaces or deletes stored macros.
std::string ImportQuestion(const MacroImportCheck& check);

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
    // Asks for a file and reads it. A file that is not a registry file, or that touches any
    // key but the macro key and its subkeys, is refused; one that replaces or deletes stored
    // macros is applied only after asking. Then keeps a backup of the macro key, lets the
    // registry editor merge a copy of the very bytes checked into the store and, once it has
    // finished, reloads through reload.
    void ImportBtnClick(const std::function<void()>& reload);

    // The last name confirmed in the export dialog; the import dialog offers it.
    const std::u16string& LastExportFile() const { return lastExportFile_; }

private:
    // Writes the backup of the macro key as read (no keys: there was none) into the folder;
    // false after telling the user why it failed.
    bool BackUpMacros(const std::u16string& folder,
                      const std::vector<platform::RegTreeKey>& stored);

    const TMacroTable& shown_;
    std::u16string lastExportFile_;
};

} // namespace macros

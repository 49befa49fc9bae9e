#include "macros/MacroTransfer.h"

#include "macros/RegEditFile.h"
#include "platform/Paths.h"
#include "platform/Services.h"
#include "toolkit/MessageBoxes.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace macros {
namespace {

constexpr std::uint32_t kVkShift = 0x10;
constexpr const char* kBackupFolderName = "Tastor32";
constexpr const char* kBackupPattern = "Makros vor Import *.reg";

// "Kann Datei C:\x nicht schreiben" and the system's reason in parentheses.
std::string WriteFailure(const std::string& what, std::uint32_t error) {
    return what + "\r(" + platform::FileSystem().ErrorText(error) + ")";
}

// Removes the oldest backups beyond the number kept. A backup that cannot be removed stays.
void PruneBackups(const std::string& folder) {
    auto& files = platform::FileSystem();
    std::vector<std::string> names = files.List(folder, kBackupPattern);
    if (names.size() <= kKeptImportBackups) {
        return;
    }
    std::sort(names.begin(), names.end());
    names.resize(names.size() - kKeptImportBackups);
    for (const std::string& name : names) {
        files.Delete(folder + "\\" + name);
    }
}

} // namespace

std::string MacroClipboardText(const TMacroTable& macros) {
    std::string text;
    for (const TMacroTable::Entry& entry : macros.Entries()) {
        if (&entry != &macros.Entries().front()) {
            text += "\r\n";
        }
        text += entry.KeyText;
        text += '\t';
        text += entry.Macro.MacroText;
    }
    return text;
}

std::string ImportBackupName(const platform::LocalTime& time) {
    char name[64];
    std::snprintf(name, sizeof name, "Makros vor Import %04d-%02d-%02d %02d-%02d-%02d.reg",
                  time.year, time.month, time.day, time.hour, time.minute, time.second);
    return name;
}

TMacroTransfer::TMacroTransfer(const TMacroTable& shown) : shown_(shown) {}

void TMacroTransfer::ExportBtnClick() {
    // The state of Shift when the click is handled, not when the program started.
    if (platform::Keys().IsDown(kVkShift)) {
        CopyMacrosToClipboard();
    } else {
        ExportToFile();
    }
}

void TMacroTransfer::CopyMacrosToClipboard() {
    if (!platform::Clip().SetText(MacroClipboardText(shown_))) {
        toolkit::ShowError("Kann die Makroliste nicht in die Zwischenablage ablegen");
        return;
    }
    toolkit::ShowInfo("Makroliste wurde in die Zwischenablage abgelegt");
}

void TMacroTransfer::ExportToFile() {
    platform::SaveFileRequest request;
    request.filter = kExportFilter;
    request.defaultExtension = "reg";
    request.initialFolder = platform::ProgramDir();
    request.fileName = kExportFileName;
    const auto chosen = platform::FileDialogsService().Save(request);
    if (!chosen) {
        return;
    }
    lastExportFile_ = *chosen;
    if (platform::FileSystem().Exists(*chosen) &&
        !toolkit::AskYesNo("Datei existiert bereits. Überschreiben?")) {
        return;
    }
    // The whole text first, then one replacing write: a failure leaves the earlier file.
    const std::string text = MacroExportFile();
    if (const auto error = platform::FileSystem().WriteReplacing(*chosen, text); error != 0) {
        toolkit::ShowError(WriteFailure("Kann Datei " + *chosen + " nicht schreiben", error));
    }
}

bool TMacroTransfer::BackUpMacros() {
    auto& files = platform::FileSystem();
    const std::string appData = files.AppDataFolder();
    if (appData.empty()) {
        toolkit::ShowError("Kann keine Sicherung der Makros anlegen: kein Ordner für "
                           "Anwendungsdaten. Der Import wird nicht ausgeführt.");
        return false;
    }
    const std::string folder = platform::AddTrailingBackslash(appData) + kBackupFolderName;
    if (const auto error = files.CreateFolder(folder); error != 0) {
        toolkit::ShowError(WriteFailure(
            "Kann Ordner " + folder + " nicht anlegen. Der Import wird nicht ausgeführt.", error));
        return false;
    }
    const std::string name = ImportBackupName(platform::Time().Now());
    std::string path = folder + "\\" + name;
    // Two imports within one second keep both backups; "_" sorts after ".".
    for (int n = 2; files.Exists(path); ++n) {
        path = folder + "\\" + name.substr(0, name.size() - 4) + "_" + std::to_string(n) + ".reg";
    }
    if (const auto error = files.WriteReplacing(path, MacroBackupFile()); error != 0) {
        toolkit::ShowError(WriteFailure("Kann Sicherung " + path +
                                            " nicht schreiben. Der Import wird nicht ausgeführt.",
                                        error));
        return false;
    }
    PruneBackups(folder);
    return true;
}

void TMacroTransfer::ImportBtnClick(const std::function<void()>& reload) {
    platform::OpenFileRequest request;
    request.filter = kExportFilter;
    request.defaultExtension = "reg";
    request.initialFolder = platform::ProgramDir();
    request.fileName = lastExportFile_;
    const auto chosen = platform::FileDialogsService().Open(request);
    if (!chosen) {
        return;
    }
    if (!BackUpMacros()) {
        return;
    }
    // The reload waits for the editor: reloading earlier would show the old macros, and
    // the next save would write them over the imported ones.
    const auto error = platform::ShellService().RunAndWait("REGEDIT.EXE", "\"" + *chosen + "\"");
    if (error != 0) {
        throw std::runtime_error("Kann Daten nicht einlesen\r(" +
                                 platform::FileSystem().ErrorText(error) + ")");
    }
    platform::Boxes().Show(platform::BoxKind::Plain, "Weiter..", "");
    reload();
}

} // namespace macros

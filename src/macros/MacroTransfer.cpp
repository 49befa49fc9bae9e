#include "macros/MacroTransfer.h"

#include "macros/ImportBackup.h"
#include "macros/MacroExportFile.h"
#include "platform/Paths.h"
#include "platform/Services.h"
#include "platform/Utf16Text.h"
#include "platform/VirtualKeys.h"
#include "settings/Layout.h"
#include "toolkit/MessageBoxes.h"

#include <cstdio>
#include <stdexcept>
#include <variant>

namespace macros {
namespace {

// The file for the registry editor, beside the backups.
constexpr const char16_t* kImportCopyName = u"Makros Import läuft";
// The largest file the import reads: several times a backup of 50,000 long macros.
constexpr std::size_t kLargestImportFile = std::size_t{64} << 20;

std::string Shown(const std::u16string& path) {
    return platform::Cp1252FromUtf16(path);
}

platform::OpenFileRequest ImportFileRequest(const std::u16string& lastExportFile) {
    platform::OpenFileRequest request;
    request.filter = kExportFilter;
    request.defaultExtension = "reg";
    request.initialFolder = platform::Utf16FromCp1252(platform::ProgramDir());
    request.fileName = lastExportFile;
    return request;
}

// The macro key with its subkeys as stored, none when it is missing; false after telling the
// user why it cannot be read.
bool ReadStoredMacros(std::vector<platform::RegTreeKey>& stored) {
    auto& registry = platform::Reg();
    const auto status = registry.ReadTree(platform::Hive::CurrentUser, settings::kMacroKey, stored);
    if (status == platform::kRegFileNotFound) {
        stored.clear();
        return true;
    }
    if (status != platform::kRegOk) {
        toolkit::ShowError("Kann die gespeicherten Makros nicht lesen und keine Sicherung "
                           "anlegen. Der Import wird nicht ausgeführt.\r(" +
                           registry.ErrorText(status) + ")");
        return false;
    }
    return true;
}

// Whether the macro key is as planned, read anew; why not, when it is not.
bool Arrived(const ImportPlan& plan, std::uint32_t exitCode, std::string& why) {
    std::vector<platform::RegTreeKey> now;
    auto& registry = platform::Reg();
    const auto status = registry.ReadTree(platform::Hive::CurrentUser, settings::kMacroKey, now);
    if (status != platform::kRegOk && status != platform::kRegFileNotFound) {
        why = "Die Makros können nicht gelesen werden (" + registry.ErrorText(status) + ").";
        return false;
    }
    if (status == platform::kRegFileNotFound) {
        now.clear();
    }
    if (exitCode == 0 && SameMacroKey(now, plan.expected)) {
        return true;
    }
    if (exitCode != 0) {
        char text[96];
        std::snprintf(text, sizeof text, "Der Registrierungs-Editor endete mit dem Code 0x%08X.",
                      static_cast<unsigned>(exitCode));
        why = text;
    } else {
        why = "Der Registrierungs-Editor hat die Makros nicht wie geplant geschrieben.";
    }
    return false;
}

// Puts the macro key back as it was read before the import, through the registry itself;
// whether it is now exactly that again.
bool Restore(const std::vector<platform::RegTreeKey>& stored) {
    auto& registry = platform::Reg();
    std::vector<platform::RegTreeKey> now;
    auto status = registry.ReadTree(platform::Hive::CurrentUser, settings::kMacroKey, now);
    const auto readable = [&] {
        if (status == platform::kRegFileNotFound) {
            now.clear();
            return true;
        }
        return status == platform::kRegOk;
    };
    if (readable() && SameMacroKey(now, stored)) {
        return true; // the editor changed nothing
    }
    registry.WriteTree(platform::Hive::CurrentUser, settings::kMacroKey, stored);
    now.clear();
    status = registry.ReadTree(platform::Hive::CurrentUser, settings::kMacroKey, now);
    return readable() && SameMacroKey(now, stored);
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

TMacroTransfer::TMacroTransfer(const TMacroTable& shown) : shown_(shown) {}

void TMacroTransfer::ExportBtnClick() {
    // The state of Shift when the click is handled, not when the program started.
    if (platform::Keys().IsDown(platform::kVkShift)) {
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
    request.initialFolder = platform::Utf16FromCp1252(platform::ProgramDir());
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
    // The whole text first (a macro key that cannot be read stops here), then one replacing
    // write: a failure leaves the earlier file.
    const std::string text = MacroExportFile();
    if (const auto error = platform::FileSystem().WriteReplacing(*chosen, text); error != 0) {
        toolkit::ShowError(
            FileFailure("Kann Datei " + Shown(*chosen) + " nicht schreiben", *chosen, error));
    }
}

void TMacroTransfer::ImportBtnClick(const std::function<void()>& reload) {
    const auto chosen = platform::FileDialogsService().OpenFile(ImportFileRequest(lastExportFile_));
    if (!chosen) {
        return;
    }
    auto& files = platform::FileSystem();
    std::string bytes;
    if (const auto error = files.Read(*chosen, bytes, kLargestImportFile);
        error == platform::kFileTooLarge) {
        toolkit::ShowError("Die Datei " + Shown(*chosen) +
                           " wird nicht importiert: Sie ist größer als " +
                           std::to_string(kLargestImportFile >> 20) + " MB.");
        return;
    } else if (error != 0) {
        toolkit::ShowError(
            FileFailure("Kann Datei " + Shown(*chosen) + " nicht lesen", *chosen, error));
        return;
    }
    std::vector<platform::RegTreeKey> stored;
    if (!ReadStoredMacros(stored)) {
        return;
    }
    const auto planned = PlanMacroImport(bytes, stored);
    if (const auto* refusal = std::get_if<ImportRefusal>(&planned)) {
        const std::string text = ImportRefusalText(*chosen, *refusal);
        IsImportNote(*refusal) ? toolkit::ShowInfo(text) : toolkit::ShowError(text);
        return;
    }
    const ImportPlan& plan = std::get<ImportPlan>(planned);
    if (plan.counts.ChangesStoredMacros() &&
        !toolkit::AskYesNoDefaultNo(ImportQuestion(plan.counts))) {
        return;
    }
    const std::u16string backup = BackUpMacroKey(stored);
    if (backup.empty()) {
        return;
    }
    std::u16string folder = platform::FolderOf(backup);
    folder.pop_back(); // its backslash
    const std::u16string copy = FreePath(folder, kImportCopyName);
    if (const auto error = files.WriteReplacing(copy, plan.editorFile); error != 0) {
        toolkit::ShowError(FileFailure("Kann Datei " + Shown(copy) + " nicht schreiben", copy,
                                       error, ". Der Import wird nicht ausgeführt."));
        return;
    }
    // The reload waits for the editor: reloading earlier would show the old macros, and
    // the next save would write them over the imported ones.
    std::uint32_t exitCode = 0;
    const auto error =
        platform::ShellService().RunAndWait("REGEDIT.EXE", u"\"" + copy + u"\"", exitCode);
    files.Delete(copy);
    if (error != 0) {
        throw std::runtime_error("Kann Daten nicht einlesen\r(" + files.ErrorText(error) + ")");
    }
    std::string why;
    if (Arrived(plan, exitCode, why)) {
        toolkit::ShowPlain("Weiter..");
    } else {
        const std::string text = "Der Import wurde nicht ausgeführt. " + why;
        toolkit::ShowError(Restore(stored)
                               ? text + "\r\nDie Makros sind wie vor dem Import."
                               : text +
                                     "\r\nDie Makros konnten nicht wiederhergestellt werden. "
                                     "Die Sicherung " +
                                     Shown(backup) + " stellt sie wieder her.");
    }
    reload();
}

} // namespace macros

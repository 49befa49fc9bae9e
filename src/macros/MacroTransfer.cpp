#include "macros/MacroTransfer.h"

#include "macros/RegEditFile.h"
#include "macros/RegFileUtf16Writer.h"
#include "platform/Paths.h"
#include "platform/Services.h"
#include "platform/Utf16Text.h"
#include "settings/Layout.h"
#include "toolkit/MessageBoxes.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <variant>

namespace macros {
namespace {

constexpr std::uint32_t kVkShift = 0x10;
constexpr const char16_t* kBackupFolderName = u"Tastor32";
constexpr const char16_t* kBackupPattern = u"Makros vor Import *.reg";
constexpr std::u16string_view kBackupPrefix = u"Makros vor Import ";
// The copy of the checked file that the registry editor gets, beside the backups.
constexpr const char16_t* kImportCopyName = u"Makros Import läuft";
// The longest path the system takes without asking for long paths.
constexpr std::size_t kMaxPath = 259;

std::string Shown(const std::u16string& path) {
    return platform::Cp1252FromUtf16(path);
}

// "Kann Datei C:\x nicht schreiben" and the system's reason in parentheses.
std::string FileFailure(const std::string& what, const std::u16string& path, std::uint32_t error) {
    std::string text = what;
    if (path.size() > kMaxPath) {
        text += ": Der Pfad ist länger als " + std::to_string(kMaxPath) + " Zeichen";
    }
    return text + "\r(" + platform::FileSystem().ErrorText(error) + ")";
}

// The path of name (without ".reg") in folder that no file has yet: "name.reg", then
// "name_2.reg" and so on ("_" sorts after ".").
std::u16string FreePath(const std::u16string& folder, const std::u16string& name) {
    std::u16string path = folder + u"\\" + name + u".reg";
    for (int n = 2; platform::FileSystem().Exists(path); ++n) {
        const std::string number = std::to_string(n);
        path =
            folder + u"\\" + name + u"_" + std::u16string(number.begin(), number.end()) + u".reg";
    }
    return path;
}

// Removes the oldest backups beyond the number kept; only files of the names the import
// gives them. A backup that cannot be removed stays.
void PruneBackups(const std::u16string& folder) {
    auto& files = platform::FileSystem();
    std::vector<std::u16string> names = files.List(folder, kBackupPattern);
    std::erase_if(names, [](const std::u16string& name) { return !IsImportBackupName(name); });
    if (names.size() <= kKeptImportBackups) {
        return;
    }
    std::sort(names.begin(), names.end());
    names.resize(names.size() - kKeptImportBackups);
    for (const std::u16string& name : names) {
        files.Delete(folder + u"\\" + name);
    }
}

// The folder of the backups, made when missing; empty after telling the user why not.
std::u16string BackupFolder() {
    auto& files = platform::FileSystem();
    std::u16string folder = files.AppDataFolder();
    if (folder.empty()) {
        toolkit::ShowError("Kann keine Sicherung der Makros anlegen: kein Ordner für "
                           "Anwendungsdaten. Der Import wird nicht ausgeführt.");
        return {};
    }
    if (folder.back() != u'\\') {
        folder += u'\\';
    }
    folder += kBackupFolderName;
    if (const auto error = files.CreateFolder(folder); error != 0) {
        toolkit::ShowError(FileFailure("Kann Ordner " + Shown(folder) +
                                           " nicht anlegen. Der Import wird nicht ausgeführt.",
                                       folder, error));
        return {};
    }
    return folder;
}

std::string Refusal(const std::u16string& path) {
    return "Die Datei " + Shown(path) + " wird nicht importiert: ";
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

bool IsImportBackupName(const std::u16string& name) {
    // After the prefix: "dddd-dd-dd dd-dd-dd", then "_N" (N from 2) or nothing, then ".reg".
    constexpr std::u16string_view kTime = u"0000-00-00 00-00-00";
    if (!name.starts_with(kBackupPrefix) || !name.ends_with(u".reg")) {
        return false;
    }
    const std::u16string_view rest = std::u16string_view(name).substr(
        kBackupPrefix.size(), name.size() - kBackupPrefix.size() - 4);
    if (rest.size() < kTime.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kTime.size(); ++i) {
        const bool digit = rest[i] >= u'0' && rest[i] <= u'9';
        if (kTime[i] == u'0' ? !digit : rest[i] != kTime[i]) {
            return false;
        }
    }
    const std::u16string_view number = rest.substr(kTime.size());
    if (number.empty()) {
        return true;
    }
    if (number.size() < 2 || number[0] != u'_' || number[1] == u'0' ||
        (number.size() == 2 && number[1] == u'1')) {
        return false;
    }
    return std::all_of(number.begin() + 1, number.end(),
                       [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

std::string ImportQuestion(const MacroImportCheck& check) {
    std::string text =
        "Der Import ändert gespeicherte Makros:\r\nneu: " + std::to_string(check.added) +
        "\r\nersetzt: " + std::to_string(check.replaced) +
        "\r\ngelöscht: " + std::to_string(check.deleted) + "\r\n";
    if (check.deletesMacroKey) {
        text += "Die Datei löscht zuerst alle gespeicherten Makros mit den Unterschlüsseln.\r\n";
    }
    return text + "\r\nTrotzdem importieren?";
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

bool TMacroTransfer::BackUpMacros(const std::u16string& folder,
                                  const std::vector<platform::RegTreeKey>& stored) {
    const auto text = RegFileUtf16(platform::Utf16FromCp1252(settings::kMacroKey), stored);
    if (!text) {
        toolkit::ShowError("Kann keine Sicherung der Makros schreiben: ein Name unter dem "
                           "Makroschlüssel enthält einen Zeilenumbruch oder ein Nullzeichen. "
                           "Der Import wird nicht ausgeführt.");
        return false;
    }
    std::string name = ImportBackupName(platform::Time().Now());
    name.resize(name.size() - 4); // without ".reg"
    const std::u16string path = FreePath(folder, platform::Utf16FromCp1252(name));
    if (const auto error = platform::FileSystem().WriteReplacing(path, *text); error != 0) {
        toolkit::ShowError(FileFailure("Kann Sicherung " + Shown(path) +
                                           " nicht schreiben. Der Import wird nicht ausgeführt.",
                                       path, error));
        return false;
    }
    PruneBackups(folder);
    return true;
}

void TMacroTransfer::ImportBtnClick(const std::function<void()>& reload) {
    platform::OpenFileRequest request;
    request.filter = kExportFilter;
    request.defaultExtension = "reg";
    request.initialFolder = platform::Utf16FromCp1252(platform::ProgramDir());
    request.fileName = lastExportFile_;
    const auto chosen = platform::FileDialogsService().OpenFile(request);
    if (!chosen) {
        return;
    }
    // Read once: what is checked is what the registry editor gets.
    auto& files = platform::FileSystem();
    std::string bytes;
    if (const auto error = files.Read(*chosen, bytes); error != 0) {
        toolkit::ShowError(
            FileFailure("Kann Datei " + Shown(*chosen) + " nicht lesen", *chosen, error));
        return;
    }
    const auto read = ReadRegFile(bytes);
    if (const auto* error = std::get_if<RegFileError>(&read)) {
        toolkit::ShowError(Refusal(*chosen) + "Zeile " + std::to_string(error->line) + ": " +
                           error->reason + ".");
        return;
    }
    std::vector<platform::RegTreeKey> stored;
    auto& registry = platform::Reg();
    const auto status = registry.ReadTree(platform::Hive::CurrentUser, settings::kMacroKey, stored);
    if (status != platform::kRegOk && status != platform::kRegFileNotFound) {
        toolkit::ShowError("Kann die gespeicherten Makros nicht lesen und keine Sicherung "
                           "anlegen. Der Import wird nicht ausgeführt.\r(" +
                           registry.ErrorText(status) + ")");
        return;
    }
    if (status != platform::kRegOk) {
        stored.clear();
    }
    const MacroImportCheck check = CheckMacroImport(
        std::get<RegFile>(read),
        {!stored.empty(), stored.empty() ? std::vector<RegFileValue>{} : stored.front().values});
    if (!check.foreignKeys.empty()) {
        std::string keys = ForeignKeyList(check.foreignKeys);
        keys.resize(keys.size() - 2);
        toolkit::ShowError(Refusal(*chosen) + "Sie ändert andere Schlüssel als die Makros:\r\n" +
                           keys);
        return;
    }
    if (check.empty) {
        toolkit::ShowInfo(Refusal(*chosen) + "Sie enthält keine Makros.");
        return;
    }
    if (check.ChangesStoredMacros() && !toolkit::AskYesNoDefaultNo(ImportQuestion(check))) {
        return;
    }
    const std::u16string folder = BackupFolder();
    if (folder.empty() || !BackUpMacros(folder, stored)) {
        return;
    }
    const std::u16string copy = FreePath(folder, kImportCopyName);
    if (const auto error = files.WriteReplacing(copy, bytes); error != 0) {
        toolkit::ShowError(FileFailure("Kann Datei " + Shown(copy) +
                                           " nicht schreiben. Der Import wird nicht ausgeführt.",
                                       copy, error));
        return;
    }
    // The reload waits for the editor: reloading earlier would show the old macros, and
    // the next save would write them over the imported ones.
    const auto error = platform::ShellService().RunAndWait("REGEDIT.EXE", u"\"" + copy + u"\"");
    files.Delete(copy);
    if (error != 0) {
        throw std::runtime_error("Kann Daten nicht einlesen\r(" + files.ErrorText(error) + ")");
    }
    toolkit::ShowPlain("Weiter..");
    reload();
}

} // namespace macros

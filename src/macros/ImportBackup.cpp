#include "macros/ImportBackup.h"

#include "platform/Paths.h"
#include "platform/Services.h"
#include "platform/Utf16Text.h"
#include "regfile/Utf16Writer.h"
#include "settings/Layout.h"
#include "toolkit/MessageBoxes.h"

#include <algorithm>
#include <cstdio>

namespace macros {
namespace {

constexpr const char16_t* kBackupFolderName = u"Tastor32";
constexpr const char16_t* kBackupPattern = u"Makros vor Import *.reg";
constexpr std::u16string_view kBackupPrefix = u"Makros vor Import ";
constexpr const char* kNotStarted = ". Der Import wird nicht ausgeführt.";

std::string Shown(const std::u16string& path) {
    return platform::Cp1252FromUtf16(path);
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
        toolkit::ShowError(FileFailure("Kann Ordner " + Shown(folder) + " nicht anlegen", folder,
                                       error, kNotStarted));
        return {};
    }
    return folder;
}

} // namespace

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

std::string FileFailure(const std::string& what, const std::u16string& path, std::uint32_t error,
                        const std::string& then) {
    constexpr std::size_t kLimit = platform::kMaxPathWithoutLongPaths;
    std::string text = what;
    if (path.size() > kLimit ||
        platform::FolderOf(path).size() + platform::kReplacingTemporaryName > kLimit) {
        text += ": Der Pfad ist länger als " + std::to_string(kLimit) + " Zeichen";
    }
    return text + then + "\r(" + platform::FileSystem().ErrorText(error) + ")";
}

std::u16string FreePath(const std::u16string& folder, const std::u16string& name) {
    std::u16string path = folder + u"\\" + name + u".reg";
    for (int n = 2; platform::FileSystem().Exists(path); ++n) {
        const std::string number = std::to_string(n);
        path =
            folder + u"\\" + name + u"_" + std::u16string(number.begin(), number.end()) + u".reg";
    }
    return path;
}

std::u16string BackUpMacroKey(const std::vector<platform::RegTreeKey>& stored) {
    const std::u16string folder = BackupFolder();
    if (folder.empty()) {
        return {};
    }
    const auto text = regfile::RegFileUtf16(platform::Utf16FromCp1252(settings::kMacroKey), stored);
    if (!text) {
        toolkit::ShowError("Kann keine Sicherung der Makros schreiben: ein Name unter dem "
                           "Makroschlüssel enthält einen Zeilenumbruch oder ein Nullzeichen. "
                           "Der Import wird nicht ausgeführt.");
        return {};
    }
    std::string name = ImportBackupName(platform::Time().Now());
    name.resize(name.size() - 4); // without ".reg"
    const std::u16string path = FreePath(folder, platform::Utf16FromCp1252(name));
    if (const auto error = platform::FileSystem().WriteReplacing(path, *text); error != 0) {
        toolkit::ShowError(FileFailure("Kann Sicherung " + Shown(path) + " nicht schreiben", path,
                                       error, kNotStarted));
        return {};
    }
    PruneBackups(folder);
    return path;
}

} // namespace macros

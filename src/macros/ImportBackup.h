// The backups of the macro key that every import writes first, in the user's application
// data ("Tastor32\Makros vor Import YYYY-MM-DD HH-MM-SS.reg"), of which the newest are kept.
#pragma once

#include "platform/Clock.h"
#include "platform/RegistryTree.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace macros {

// How many backups of the macro key the import keeps, the newest ones.
inline constexpr std::size_t kKeptImportBackups = 10;

// The backup's file name for a time, e.g. "Makros vor Import 2024-03-05 09-07-02.reg".
// Names of one folder sort by time.
std::string ImportBackupName(const platform::LocalTime& time);
// Whether a file name is one ImportBackupName gives, or one of its numbered twins
// ("..._2.reg") written within the same second; a user's own file never is.
bool IsImportBackupName(const std::u16string& name);

// "WHAT" and the system's reason in parentheses; where the path (or the file a replacing
// write makes beside it) is longer than the system takes without long paths, WHAT is followed
// by ": Der Pfad ist länger als 259 Zeichen". then comes before the reason.
std::string FileFailure(const std::string& what, const std::u16string& path, std::uint32_t error,
                        const std::string& then = "");

// Writes the macro key as read (no keys: there was none) as a backup file and removes the
// oldest ones beyond those kept; the backup's path, or nothing after telling the user why the
// import does not start.
std::u16string BackUpMacroKey(const std::vector<platform::RegTreeKey>& stored);

// The path of name (without ".reg") in folder that no file has yet: "name.reg", then
// "name_2.reg" and so on ("_" sorts after ".").
std::u16string FreePath(const std::u16string& folder, const std::u16string& name);

} // namespace macros

// The registry layout shared with the driver. Paths are passed to the store exactly as
// written here, trailing backslashes included.
#pragma once

namespace settings {

inline constexpr const char* kTastorKey = "Software\\Velmark\\Tastor32\\";
inline constexpr const char* kSettingsKey = "Software\\Velmark\\Tastor32\\Settings";
inline constexpr const char* kSpeakerKey = "Software\\Velmark\\Tastor32\\Settings\\Speaker";
inline constexpr const char* kMacroTablesKey = "Software\\Velmark\\Tastor32\\Macros";
inline constexpr const char* kMacroKey = "Software\\Velmark\\Tastor32\\Macros\\AltGr";
inline constexpr const char* kUmlautAsciiKey = "Software\\Velmark\\Tastor32\\Macros\\Umlaut\\Ascii";
inline constexpr const char* kUmlautHtmlKey = "Software\\Velmark\\Tastor32\\Macros\\Umlaut\\HTML";
inline constexpr const char* kSchemeKey = "AppEvents\\Schemes\\Apps\\Tastor32\\";
inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Under HKEY_LOCAL_MACHINE, read only.
inline constexpr const char* kWindowsVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

inline constexpr const char* kHomeDirValue = "HomeDir";

} // namespace settings

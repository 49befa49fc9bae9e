// Paths of files and folders: one rule splits a path into its folder and file name, in
// code page 1252 and in UTF-16 alike.
#pragma once

#include <string>

namespace platform {

// The part after the last "\", "/" or ":"; the whole path when it has none of them.
std::string FileNameOf(const std::string& path);
std::u16string FileNameOf(const std::u16string& path);
// The part up to and including the last "\", "/" or ":"; empty when it has none of them.
std::string FolderOf(const std::string& path);
std::u16string FolderOf(const std::u16string& path);
// The path with a backslash appended when it is not empty and lacks one at its end.
std::string AddTrailingBackslash(const std::string& path);
std::u16string AddTrailingBackslash(const std::u16string& path);

// The folder of the running program file, ending with a backslash.
std::string ProgramDir();
// The Windows folder, with a backslash appended when it is not empty and lacks one.
std::string WindowsDir();

} // namespace platform

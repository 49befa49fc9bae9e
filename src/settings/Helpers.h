// Small helpers the whole program shares: directories and the three message boxes.
#pragma once

#include <string>

namespace settings {

// The directory of the running program file, ending with a backslash.
std::string ProgramDir();
// The Windows directory, with a backslash appended when it is not empty and lacks one.
std::string WindowsDir();
std::string AddTrailingBackslash(const std::string& path);

void ShowInfo(const std::string& text);
// The system's error sound, then an error box.
void ShowError(const std::string& text);
// The system's question sound, then a box with Yes and No; true only for Yes.
bool AskYesNo(const std::string& text);

} // namespace settings

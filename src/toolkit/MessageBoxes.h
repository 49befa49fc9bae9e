// The program's message boxes, all titled with the application title. The three boxes
// for the user's messages sound first; the general error display shows errors that
// escape a handler in a plain error box.
#pragma once

#include <string>

namespace toolkit {

void ShowInfo(const std::string& text);
// The system's error sound, then an error box.
void ShowError(const std::string& text);
// The system's question sound, then a box with Yes and No; true only for Yes.
bool AskYesNo(const std::string& text);
// The same box without the sound.
bool AskYesNoSilently(const std::string& text);
// The same with No preselected, for a question whose Yes is hard to undo.
bool AskYesNoDefaultNo(const std::string& text);
// A box with OK only, no icon, no sound and an empty title.
void ShowPlain(const std::string& text);
// An error box with OK and no sound: the general error display.
void ShowErrorText(const std::string& text);

} // namespace toolkit

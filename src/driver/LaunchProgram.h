// Starting a program file as a new process of its own.
#pragma once

#include <string>

namespace driver {

// The path without leading and trailing blanks and control characters; then one leading
// double quote removed, and with it a trailing one if there is one; then the same for a
// single quote.
std::string StripQuotes(const std::string& path);

// Starts the program file named by path with the command line "path arguments" (the path
// as given, a blank, the arguments; the blank is there also without arguments). The file
// is the path after StripQuotes; the new process works in the file's directory (everything
// up to and including the last backslash or colon) or, when the file names none, in this
// process's current directory. Does not wait for the process; true when it was created.
bool LaunchProgram(const std::string& path, const std::string& arguments);

} // namespace driver

// The arguments of a command line, split as Windows programs split theirs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Every argument after the program's name. Blanks and tabs separate arguments except
// between double quotes; 2n backslashes before a quote give n backslashes and the quote
// opens or closes, 2n+1 give n backslashes and a literal quote; other backslashes are
// literal; two quotes inside quotes give one literal quote. The program's name itself ends
// at the first blank, or at its closing quote when it starts with one.
std::vector<std::wstring> SplitCommandLine(std::wstring_view line);

} // namespace platform

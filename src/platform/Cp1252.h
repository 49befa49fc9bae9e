// Code page 1252 character rules the registry shares on every platform.
#pragma once

#include <string>

namespace platform {

// Upper case as the registry compares names: ASCII and the Latin letters of code page 1252.
char Cp1252Upper(char c);
std::string Cp1252UpperText(const std::string& text);
bool SameNameIgnoringCase(const std::string& a, const std::string& b);

} // namespace platform

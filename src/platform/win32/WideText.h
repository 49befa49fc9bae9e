// Conversion between the program's code page 1252 texts and the system's UTF-16, done
// explicitly so that the result never depends on the system's ANSI code page.
#pragma once

#include <string>

namespace platform::win32 {

std::wstring Wide(const std::string& cp1252);
// Characters that code page 1252 cannot hold become '?'; *lossy (when given) tells.
std::string Narrow(const std::wstring& wide, bool* lossy = nullptr);
std::string Narrow(const wchar_t* wide, std::size_t length, bool* lossy = nullptr);

} // namespace platform::win32

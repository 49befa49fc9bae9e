// Conversion between the program's code page 1252 texts and the system's UTF-16, done
// explicitly so that the result never depends on the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring Wide(std::string_view cp1252);
// Characters that code page 1252 cannot hold become '?'; *lossy (when given) tells.
std::string Narrow(const std::wstring& wide, bool* lossy = nullptr);
std::string Narrow(const wchar_t* wide, std::size_t length, bool* lossy = nullptr);
// Writes length bytes to out; returns whether a character became '?'.
bool NarrowInto(const wchar_t* wide, std::size_t length, char* out);
// The same for UTF-16 given as bytes (as the registry hands them over), aligned or not.
bool NarrowInto(const unsigned char* utf16, std::size_t length, char* out);

// The program's UTF-16 paths as the system's wide text, and back (the same 16-bit units).
std::wstring WideOf(std::u16string_view utf16);
std::u16string Utf16Of(std::wstring_view wide);

} // namespace platform::win32

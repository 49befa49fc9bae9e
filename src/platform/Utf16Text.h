// UTF-16 text beside the program's code page 1252 bytes, converted as the system converts
// with code page 1252: the five bytes the code page leaves free stand for the control
// characters of the same number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

std::u16string Utf16FromCp1252(std::string_view cp1252);
// Characters the code page cannot hold become '?'; *lossy (when given) tells whether any did.
std::string Cp1252FromUtf16(std::u16string_view text, bool* lossy = nullptr);

// UTF-16 as bytes, low byte first, as the registry stores text; and back (an odd last byte
// is dropped).
std::vector<std::uint8_t> Utf16LeBytes(std::u16string_view text);
std::u16string Utf16FromLeBytes(const std::vector<std::uint8_t>& bytes);

// Only the letters a to z made upper-case: how registry names are compared where a name that
// the registry might take for the same in another way must never count as the same.
std::u16string AsciiUpper(std::u16string_view text);
bool SameIgnoringAsciiCase(std::u16string_view a, std::u16string_view b);

} // namespace platform

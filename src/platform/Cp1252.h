// Code page 1252 character rules the registry shares on every platform.
#pragma once

#include <array>
#include <string>

namespace platform {

namespace detail {

constexpr std::array<unsigned char, 256> MakeCp1252UpperTable() {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b) {
        int upper = b;
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
            upper = b - 0x20;
        } else if (b == 0x9A || b == 0x9C || b == 0x9E) {
            upper = b - 0x10; // š œ ž
        } else if (b == 0xFF) {
            upper = 0x9F; // ÿ
        }
        table[static_cast<std::size_t>(b)] = static_cast<unsigned char>(upper);
    }
    return table;
}

inline constexpr std::array<unsigned char, 256> kCp1252Upper = MakeCp1252UpperTable();

} // namespace detail

// Upper case as the registry compares names: ASCII and the Latin letters of code page 1252.
// Names are compared thousands of times while a list sorts: a table, inline.
inline char Cp1252Upper(char c) {
    return static_cast<char>(detail::kCp1252Upper[static_cast<unsigned char>(c)]);
}
std::string Cp1252UpperText(const std::string& text);
bool SameNameIgnoringCase(const std::string& a, const std::string& b);
// Ascending order of names, ignoring case.
bool NameLessIgnoringCase(const std::string& a, const std::string& b);

} // namespace platform

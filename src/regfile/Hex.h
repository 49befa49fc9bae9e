// Hexadecimal data as registry files write it: "hex:" or "hex(N):" and the bytes as two digits
// each, separated by commas.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace regfile {

// The value of a hexadecimal digit of either case; -1 for any other character.
int HexDigitValue(char32_t c);

struct HexStyle {
    bool upperCase = false;
    // After this many bytes a line ends in "\" and the next begins with two blanks; 0 keeps
    // every byte on one line.
    std::size_t bytesPerLine = 0;
};

// REGEDIT4 files write byte strings upper-case on one line; the registry editor's own UTF-16
// files lower-case, 25 bytes a line.
inline constexpr HexStyle kRegedit4Hex{true, 0};
inline constexpr HexStyle kUtf16Hex{false, 25};

// "hex:" for byte strings, "hex(N):" with the type number in lower-case for every other type.
std::string HexPrefix(std::uint32_t type);
// The data of a value line in hexadecimal, its prefix included.
std::string HexData(std::uint32_t type, const std::uint8_t* bytes, std::size_t count,
                    HexStyle style);

} // namespace regfile

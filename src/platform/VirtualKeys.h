// The virtual-key codes the program names, numbered as Windows numbers them. A letter's
// code is its capital ('L'), a digit's its character ('0').
#pragma once

#include <cstdint>

namespace platform {

inline constexpr std::uint16_t kVkShift = 0x10;
inline constexpr std::uint16_t kVkUp = 0x26;
inline constexpr std::uint16_t kVkDown = 0x28;
inline constexpr std::uint16_t kVkInsert = 0x2D;
inline constexpr std::uint16_t kVkDelete = 0x2E;
inline constexpr std::uint16_t kVkAdd = 0x6B; // + on the keypad
inline constexpr std::uint16_t kVkF1 = 0x70;
inline constexpr std::uint16_t kVkF2 = 0x71;
inline constexpr std::uint16_t kVkF10 = 0x79;
inline constexpr std::uint16_t kVkF12 = 0x7B;
// Keys whose character depends on the layout, with the German layout's.
inline constexpr std::uint16_t kVkOem1 = 0xBA;      // Ü
inline constexpr std::uint16_t kVkOemPeriod = 0xBE; // .
inline constexpr std::uint16_t kVkOem3 = 0xC0;      // Ö
inline constexpr std::uint16_t kVkOem4 = 0xDB;      // ß
inline constexpr std::uint16_t kVkOem7 = 0xDE;      // Ä

} // namespace platform

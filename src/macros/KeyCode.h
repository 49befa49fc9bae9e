// Key combinations: the packed key code that the store, the macro list and the driver use,
// its unpacked form, its registry value name and its display text.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace macros {

// Virtual-key code in bits 0-15, modifier byte in bits 16-23, bits 24-31 zero in codes
// this program builds.
using TKeyCode = std::uint32_t;

struct TKeyCombination {
    std::uint16_t VirtualKey = 0;
    std::uint8_t Modifiers = 0;
    bool operator==(const TKeyCombination&) const = default;
};

// Bits of the modifier byte.
inline constexpr std::uint8_t ModShift = 0x01;
inline constexpr std::uint8_t ModCtrl = 0x02;
inline constexpr std::uint8_t ModAlt = 0x04;
inline constexpr std::uint8_t ModAltGr = 0x08;
// All-capitals variant of an umlaut-table entry; never part of a macro key.
inline constexpr std::uint8_t ModAllCaps = 0x10;
inline constexpr std::uint8_t ModLWin = 0x40;
inline constexpr std::uint8_t ModRWin = 0x80;
// The modifiers a macro key can carry (all but bits 4 and 5).
inline constexpr std::uint8_t MacroKeyMask = 0xCF;

// The same bits in their place in the key code.
inline constexpr TKeyCode ModifierBitsOf(std::uint8_t modifiers) {
    return static_cast<TKeyCode>(modifiers) << 16;
}

// Packs a macro key: modifiers outside MacroKeyMask are dropped.
TKeyCode MakeKeyCode(std::uint16_t virtualKey, std::uint8_t modifiers);
TKeyCode KeyCodeOf(const TKeyCombination& combination);
// Unpacks without masking; bits 24-31 are dropped.
TKeyCombination SplitKeyCode(TKeyCode code);

// Eight upper-case hexadecimal digits, the value name a macro is stored under.
std::string KeyCodeToValueName(TKeyCode code);
// Reads a value name as a hexadecimal number (either case, fewer than eight digits are
// fine). Nothing for an empty name, any character that is not a hex digit (blanks and
// signs included) or a number that does not fit in 32 bits.
std::optional<TKeyCode> ValueNameToKeyCode(const std::string& name);

// The keyboard layout's name of a key; empty for a key without a scan code.
std::string KeyName(std::uint16_t virtualKey);

// Key names asked of the keyboard layout once per key: a load of many macros has far
// fewer distinct keys than macros.
class TKeyNames {
public:
    const std::string& Of(std::uint16_t virtualKey);

private:
    std::map<std::uint16_t, std::string> names_;
};

// The modifier names in display order, a blank, then the key's name: "AltGr+ G", " F1".
std::string KeyCodeToText(TKeyCode code, TKeyNames& names);
std::string KeyCodeToText(TKeyCode code);

} // namespace macros

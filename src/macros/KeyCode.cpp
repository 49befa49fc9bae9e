#include "macros/KeyCode.h"

#include "platform/Services.h"

namespace macros {
namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

} // namespace

TKeyCode MakeKeyCode(std::uint16_t virtualKey, std::uint8_t modifiers) {
    return ModifierBitsOf(modifiers & MacroKeyMask) | virtualKey;
}

TKeyCode KeyCodeOf(const TKeyCombination& combination) {
    return MakeKeyCode(combination.VirtualKey, combination.Modifiers);
}

TKeyCombination SplitKeyCode(TKeyCode code) {
    TKeyCombination combination;
    combination.VirtualKey = static_cast<std::uint16_t>(code & 0xFFFF);
    combination.Modifiers = static_cast<std::uint8_t>((code >> 16) & 0xFF);
    return combination;
}

std::string KeyCodeToValueName(TKeyCode code) {
    static const char digits[] = "0123456789ABCDEF";
    std::string name(8, '0');
    for (int i = 7; i >= 0; --i) {
        name[i] = digits[code & 0xF];
        code >>= 4;
    }
    return name;
}

std::optional<TKeyCode> ValueNameToKeyCode(const std::string& name) {
    if (name.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : name) {
        int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = (value << 4) | static_cast<std::uint64_t>(digit);
        // Leading zeros may make the name long; the value itself must fit.
        if (value > 0xFFFFFFFFu) {
            return std::nullopt;
        }
    }
    return static_cast<TKeyCode>(value);
}

std::string KeyCodeToText(TKeyCode code) {
    TKeyNames names;
    return KeyCodeToText(code, names);
}

std::string KeyCodeToText(TKeyCode code, TKeyNames& names) {
    const TKeyCombination combination = SplitKeyCode(code);
    static const struct {
        std::uint8_t bit;
        const char* name;
    } order[] = {
        {ModAltGr, "AltGr"}, {ModRWin, "RWin"}, {ModLWin, "LWin"},
        {ModShift, "Umsch"}, {ModAlt, "Alt"},   {ModCtrl, "Strg"},
    };
    std::string text;
    for (const auto& modifier : order) {
        if (combination.Modifiers & modifier.bit) {
            text += modifier.name;
            text += '+';
        }
    }
    text += ' ';
    text += names.Of(combination.VirtualKey);
    return text;
}

const std::string& TKeyNames::Of(std::uint16_t virtualKey) {
    auto found = names_.find(virtualKey);
    if (found == names_.end()) {
        found = names_.emplace(virtualKey, KeyName(virtualKey)).first;
    }
    return found->second;
}

std::string KeyName(std::uint16_t virtualKey) {
    platform::Keyboard& keys = platform::Keys();
    const std::uint32_t scanCode = keys.ScanCode(virtualKey);
    if (scanCode == 0) {
        return std::string();
    }
    // Scan code in bits 16-23 only: no extended-key flag, so the cursor block is named
    // after its keypad twins.
    return keys.KeyNameText(static_cast<std::int32_t>((scanCode & 0xFF) << 16));
}

} // namespace macros

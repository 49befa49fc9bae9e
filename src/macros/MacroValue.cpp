#include "macros/MacroValue.h"

#include "platform/Registry.h"

namespace macros {
namespace {

bool IsMacroType(std::uint32_t type) {
    return type == platform::TypeNumber(platform::RegType::Sz) ||
           type == platform::TypeNumber(platform::RegType::ExpandSz);
}

} // namespace

std::optional<TKeyCode> MacroKeyCode(const std::string& name, std::uint32_t type) {
    return IsMacroType(type) ? ValueNameToKeyCode(name) : std::nullopt;
}

std::optional<TKeyCode> KeyCodeOfName(const std::u16string& name) {
    std::string ascii;
    for (char16_t c : name) {
        if (c >= 0x80) {
            return std::nullopt;
        }
        ascii += static_cast<char>(c);
    }
    return ValueNameToKeyCode(ascii);
}

std::optional<TKeyCode> MacroKeyCode(const std::u16string& name, std::uint32_t type) {
    return IsMacroType(type) ? KeyCodeOfName(name) : std::nullopt;
}

} // namespace macros

// What makes a value of the macro key a macro: a text (plain or expandable) under a key
// code's name. The list shows these values, and the import counts them.
#pragma once

#include "macros/KeyCode.h"

#include <cstdint>
#include <optional>
#include <string>

namespace macros {

// The key code of a macro value; nothing for every other value.
std::optional<TKeyCode> MacroKeyCode(const std::string& name, std::uint32_t type);
// The same for a name as the registry keeps it; a name with letters outside ASCII names no key.
std::optional<TKeyCode> MacroKeyCode(const std::u16string& name, std::uint32_t type);
// The key code a value name stands for, whatever the value holds.
std::optional<TKeyCode> KeyCodeOfName(const std::u16string& name);

} // namespace macros

// What the macro editor says under its key field about the combination being set: why a
// macro on it could never be typed. It only informs; the editor still returns what the user
// set.
#pragma once

#include "macros/KeyCode.h"

#include <string>

namespace macros {

// The first rule that applies, in the editor's words; empty when none does. The modifiers
// count as a macro key holds them (MacroKeyMask).
std::string CombinationHint(const TKeyCombination& combination, bool usedByAnotherMacro);

} // namespace macros

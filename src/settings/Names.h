// The option numbers with their value names, and the sound events.
#pragma once

#include <array>
#include <string>

namespace settings {

enum TOption : int {
    optEnabled = 4,
    optHideIcon = 5,
    optNumDot = 6,
    optEasyBackslash = 7,
    optEasyTab = 8,
    optLockNum = 9,
    optBeep = 10,
    optUseSpeaker = 11,
    optUmlautConversion = 12,
    optUmlautMode = 13,
    optDecimalDot = 14,
};

inline constexpr int kFirstOption = optEnabled;
inline constexpr int kLastOption = optDecimalDot;

// Indexed by option number; entries 0 to 3 are empty.
extern const std::array<std::string, 15> OptionValueNames;

// Entry 0 is empty and never used; events are 1 to 8.
extern const std::array<std::string, 9> SoundEventNames;
inline constexpr int kFirstSoundEvent = 1;
inline constexpr int kLastSoundEvent = 8;

} // namespace settings

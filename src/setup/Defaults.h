// The default settings that the first-run installation writes, as tables in the order they
// are written.
#pragma once

#include "macros/KeyCode.h"
#include "platform/VirtualKeys.h"
#include "sound/SpeakerRec.h"

#include <array>
#include <cstdint>
#include <string>

namespace setup {

// The option switches and their bytes; "DecimalDot" follows them as text.
struct TOptionDefault {
    int option;
    std::uint8_t value;
};
extern const std::array<TOptionDefault, 9> kOptionDefaults;
extern const char* const kDecimalDotDefault;

// Modifier bytes of the Windows-key macros, indexed by the number of Windows keys.
inline constexpr std::array<std::uint8_t, 3> kWinKeyModifiers = {
    macros::ModShift | macros::ModAltGr, // none: Shift + AltGr
    macros::ModLWin,                     // one: the left key
    macros::ModRWin,                     // two: the right key
};

// A default macro; the text may depend on the Windows family.
struct TDefaultMacro {
    std::uint16_t virtualKey;
    std::uint8_t modifiers; // ignored for Windows-key macros
    bool onWinKey;
    const char* textNT;
    const char* text9x;
};
// Rows written only when everything is overwritten, in order.
extern const std::array<TDefaultMacro, 9> kDefaultMacros;
// The program start of this program itself, on the Windows-key modifier + F2. Its text is
// "^" and the program's path.
inline constexpr std::uint16_t kSelfStartKey = platform::kVkF2;
// The file name by which a program start is known as this program's own.
inline constexpr const char* kProgramFileName = "TSetup.exe";

// An umlaut key with its three entries: alone, with Shift, and the all-capitals variant.
struct TUmlautEntry {
    std::uint16_t virtualKey;
    std::array<const char*, 3> texts;
};
inline constexpr std::array<std::uint8_t, 3> kUmlautModifiers = {0, macros::ModShift,
                                                                 macros::ModAllCaps};
struct TUmlautTable {
    const char* key;
    std::array<TUmlautEntry, 4> entries;
};
extern const std::array<TUmlautTable, 2> kUmlautTables;

// The wave file of each sound event 1-8: in the Windows directory or beside this program.
struct TWaveDefault {
    bool inWindowsDir;
    const char* file;
};
extern const std::array<TWaveDefault, 9> kWaveDefaults;

inline constexpr sound::TSpeakerRec kSpeakerDefault{4000, 10, 1, 50};

} // namespace setup

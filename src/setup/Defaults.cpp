#include "setup/Defaults.h"

#include "settings/Layout.h"
#include "settings/Names.h"

namespace setup {

using namespace settings;

const std::array<TOptionDefault, 9> kOptionDefaults = {{
    {optEnabled, 1},
    {optNumDot, 0},
    {optEasyBackslash, 1},
    {optEasyTab, 0},
    {optBeep, 1},
    {optUseSpeaker, 0},
    {optHideIcon, 0},
    {optLockNum, 0},
    {optUmlautConversion, 0},
}};

const char* const kDecimalDotDefault = ".";

const std::array<TDefaultMacro, 9> kDefaultMacros = {{
    {0xBE, ModAltGr, false, "*.*", nullptr},                                        // period key
    {0x47, ModAltGr, false, "mit freundlichen Grüßen$0D  Ihr Tastor ;-)", nullptr}, // G
    {0x57, ModAltGr, false, "http://www.", nullptr},                                // W
    {0x44, ModAltGr, false, "^*40 ^*41", nullptr},                                  // D: date, time
    {0xC0, ModAltGr, false, "^*2", nullptr},            // Ö: ASCII umlauts
    {0xC0, ModShift | ModAltGr, false, "^*3", nullptr}, // Ö: HTML umlauts
    {0x6B, ModAltGr, false, "^*7", nullptr},            // keypad +: EasyTab
    {0x79, 0, true, "^cmd.exe", "^dosprmpt.pif"},       // F10
    {0x7B, 0, true, "^shutdown.exe -s", "^*9"},         // F12: shut down
}};

const std::array<TUmlautTable, 2> kUmlautTables = {{
    {kUmlautAsciiKey,
     {{
         {0xDE, {"ae", "Ae", "AE"}},
         {0xC0, {"oe", "Oe", "OE"}},
         {0xBA, {"ue", "Ue", "UE"}},
         // Shift gives the question mark on this key of the German layout.
         {0xDB, {"ss", "?", "SS"}},
     }}},
    {kUmlautHtmlKey,
     {{
         {0xDE, {"&auml;", "&Auml;", "&Auml;"}},
         {0xC0, {"&ouml;", "&Ouml;", "&Ouml;"}},
         {0xBA, {"&uuml;", "&Uuml;", "&Uuml;"}},
         {0xDB, {"&szlig;", "?", "SS"}},
     }}},
}};

const std::array<TWaveDefault, 9> kWaveDefaults = {{
    {false, nullptr},
    {true, "Media\\ding.wav"}, // Ein
    {true, "Media\\ding.wav"}, // Aus
    {false, "Squeeze.wav"},    // Großschrift
    {false, "Squeeze.wav"},    // Rollen
    {false, "Squeeze.wav"},    // Zehnerblock
    {false, "Squeeze.wav"},    // NUM Punkt
    {false, "Ni.wav"},         // Umlaut
    {false, "Squeeze.wav"},    // EasyTab
}};

} // namespace setup

#include "setup/Defaults.h"

#include "settings/Layout.h"
#include "settings/Names.h"

namespace setup {

using namespace settings;
using macros::ModAltGr;
using macros::ModShift;

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
    {platform::kVkOemPeriod, ModAltGr, false, "*.*", nullptr},
    {'G', ModAltGr, false, "mit freundlichen Grüßen$0D  Ihr Tastor ;-)", nullptr},
    {'W', ModAltGr, false, "http://www.", nullptr},
    {'D', ModAltGr, false, "^*40 ^*41", nullptr},                    // date, time
    {platform::kVkOem3, ModAltGr, false, "^*2", nullptr},            // Ö: ASCII umlauts
    {platform::kVkOem3, ModShift | ModAltGr, false, "^*3", nullptr}, // Ö: HTML umlauts
    {platform::kVkAdd, ModAltGr, false, "^*7", nullptr},             // EasyTab
    {platform::kVkF10, 0, true, "^cmd.exe", "^dosprmpt.pif"},
    {platform::kVkF12, 0, true, "^shutdown.exe -s", "^*9"}, // shut down
}};

const std::array<TUmlautTable, 2> kUmlautTables = {{
    {kUmlautAsciiKey,
     {{
         {platform::kVkOem7, {"ae", "Ae", "AE"}},
         {platform::kVkOem3, {"oe", "Oe", "OE"}},
         {platform::kVkOem1, {"ue", "Ue", "UE"}},
         // Shift gives the question mark on this key of the German layout.
         {platform::kVkOem4, {"ss", "?", "SS"}},
     }}},
    {kUmlautHtmlKey,
     {{
         {platform::kVkOem7, {"&auml;", "&Auml;", "&Auml;"}},
         {platform::kVkOem3, {"&ouml;", "&Ouml;", "&Ouml;"}},
         {platform::kVkOem1, {"&uuml;", "&Uuml;", "&Uuml;"}},
         {platform::kVkOem4, {"&szlig;", "?", "SS"}},
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

#include "macros/CombinationHint.h"

#include <gtest/gtest.h>

using namespace macros;

namespace {

const std::string kNoKey = "Keine Taste gewählt: so kann das Makro nie ausgelöst werden.";
const std::string kCtrlAltDel =
    "Strg+Alt+Entf behält Windows für sich: kein Programm bekommt diese Tasten zu sehen.";
const std::string kAltGrDel =
    "AltGr+Entf liest Windows als Strg+Alt+Entf und behält es für sich: kein Programm sieht es.";
const std::string kWinL =
    "Win+L sperrt den Computer; Windows behält diese Tasten für sich: kein Programm sieht sie.";
const std::string kSwitch =
    "AltGr+F1 schaltet Tastor ein und aus: ein Makro auf diesen Tasten wird nie ausgelöst.";
const std::string kUsed = "Diese Tasten belegt schon ein anderes Makro der Liste.";

} // namespace

TEST(CombinationHint, TheFirstRuleThatAppliesSpeaksAndOnlyExactCombinationsCount) {
    constexpr std::uint16_t del = 0x2E, f1 = 0x70;
    struct Case {
        TKeyCombination combination;
        bool used;
        std::string hint;
    } cases[] = {
        {{0, 0}, false, kNoKey},
        {{0, ModAltGr}, true, kNoKey},
        {{del, ModCtrl | ModAlt}, false, kCtrlAltDel},
        {{del, ModCtrl | ModAlt}, true, kCtrlAltDel},
        {{del, ModAltGr}, false, kAltGrDel},
        {{'L', ModLWin}, false, kWinL},
        {{'L', ModRWin}, true, kWinL},
        {{f1, ModAltGr}, true, kSwitch},
        // A bit a macro key cannot hold changes nothing.
        {{f1, ModAltGr | ModAllCaps}, false, kSwitch},
        {{'G', ModAltGr}, true, kUsed},
        {{'G', ModAltGr}, false, ""},
        {{del, ModCtrl | ModAlt | ModShift}, false, ""},
        {{del, ModCtrl}, false, ""},
        {{del, 0}, false, ""},
        {{'L', ModLWin | ModRWin}, false, ""},
        {{'L', ModAltGr}, false, ""},
        {{f1, ModAltGr | ModShift}, false, ""},
        {{f1, 0}, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << std::hex << KeyCodeOf(c.combination) << " used " << c.used);
        EXPECT_EQ(macros::CombinationHint(c.combination, c.used), c.hint);
    }
}

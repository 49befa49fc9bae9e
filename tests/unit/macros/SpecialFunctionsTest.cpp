#include "macros/SpecialFunctions.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

TEST(SpecialFunctions, EveryTextIsOneTheDriverReads) {
    // "$$", "$" with two hex digits, "^*" with a number, a quoted format, or a plain
    // character; the first entry is the placeholder the editor replaces by a program.
    const std::regex driverText(R"((\$\$|\$[0-9A-F]{2}|\^\*[0-9]+|"[^"]*"|[^$^"])+)");
    EXPECT_EQ(SpecialFunctionText(0), "^Programmname");
    std::set<std::string> captions;
    for (int index = 1; index < SpecialFunctionCount; ++index) {
        EXPECT_TRUE(std::regex_match(SpecialFunctionText(index), driverText)) << index;
        EXPECT_TRUE(captions.insert(SpecialFunctionCaption(index)).second) << index;
    }
    EXPECT_EQ(SpecialFunctionCount, 16);
}

TEST(SpecialFunctions, TheCursorKeysSendTheirWindowsVirtualKeys) {
    const std::map<std::string, std::string> virtualKeys = {
        {"Cursor LINKS", "25"}, {"Cursor OBEN", "26"}, {"Cursor RECHTS", "27"},
        {"Cursor UNTEN", "28"}, {"Cursor ENDE", "23"}, {"Cursor POS1", "24"},
    };
    std::size_t found = 0;
    for (int index = 0; index < SpecialFunctionCount; ++index) {
        const auto key = virtualKeys.find(SpecialFunctionCaption(index));
        if (key != virtualKeys.end()) {
            ++found;
            EXPECT_EQ(SpecialFunctionText(index), "$FF$00$" + key->second) << key->first;
        }
    }
    EXPECT_EQ(found, virtualKeys.size());
}

TEST(SpecialFunctions, TheDateAndItsCaptionAreExactCodePage1252Bytes) {
    EXPECT_EQ(SpecialFunctionCaption(4), std::string("Datum/Uhrzeit einf") + '\xFC' + "gen");
    EXPECT_EQ(SpecialFunctionText(4), "^*49\"dd/mm/yyyy hh:nn:ss\"^*40");
}

TEST(SpecialFunctions, OutOfRangeGivesNothing) {
    for (int index : {-1, 16, -100, 1000}) {
        EXPECT_EQ(SpecialFunctionText(index), "") << index;
        EXPECT_EQ(SpecialFunctionCaption(index), "") << index;
    }
}

#include "macros/SpecialFunctions.h"

#include <gtest/gtest.h>

TEST(SpecialFunctions, CaptionsAndTextsInListOrder) {
    struct Entry {
        const char* caption;
        const char* text;
    } expected[] = {
        {"Programm starten", "^Programmname"},
        {"Umlautwandlung ASCII", "^*2"},
        {"Umlautwandlung HTML", "^*3"},
        {"EasyTab Funktion", "^*7"},
        {"Datum/Uhrzeit einfügen", "^*49\"dd/mm/yyyy hh:nn:ss\"^*40"},
        {"Windows beenden", "^*9"},
        {"Zeilenvorschub (ENTER)", "$0D"},
        {"ESC", "$1B"},
        {"TAB", "$09"},
        {"Dollar-Zeichen $", "$$"},
        {"Cursor LINKS", "$FF$00$25"},
        {"Cursor RECHTS", "$FF$00$27"},
        {"Cursor OBEN", "$FF$00$26"},
        {"Cursor UNTEN", "$FF$00$28"},
        {"Cursor ENDE", "$FF$00$23"},
        {"Cursor POS1", "$FF$00$24"},
    };
    ASSERT_EQ(SpecialFunctionCount, 16);
    for (int i = 0; i < SpecialFunctionCount; ++i) {
        EXPECT_EQ(SpecialFunctionCaption(i), expected[i].caption) << i;
        EXPECT_EQ(SpecialFunctionText(i), expected[i].text) << i;
    }
}

TEST(SpecialFunctions, ExactTexts) {
    // The umlaut is the single code page 1252 byte.
    EXPECT_EQ(SpecialFunctionCaption(4), std::string("Datum/Uhrzeit einf") + '\xFC' + "gen");
    const std::string dateTime = SpecialFunctionText(4);
    EXPECT_EQ(dateTime.size(), 29u);
    EXPECT_EQ(dateTime, std::string("^*49") + '"' + "dd/mm/yyyy hh:nn:ss" + '"' + "^*40");
    EXPECT_EQ(SpecialFunctionText(9).size(), 2u);
    EXPECT_EQ(SpecialFunctionText(9), "$$");
}

TEST(SpecialFunctions, OutOfRangeGivesNothing) {
    for (int index : {-1, 16, 17, -100, 1000}) {
        EXPECT_EQ(SpecialFunctionText(index), "") << index;
        EXPECT_EQ(SpecialFunctionCaption(index), "") << index;
    }
}

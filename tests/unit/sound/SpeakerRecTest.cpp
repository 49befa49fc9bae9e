#include "sound/SpeakerRec.h"

#include <gtest/gtest.h>

namespace sound {

TEST(SpeakerRec, ParseFromClearedRecord) {
    struct Case {
        const char* text;
        TSpeakerRec rec;
    } cases[] = {
        {"", {0, 0, 0, 0}},
        {"4000,10,1,50", {4000, 10, 1, 50}},
        {"4000,10", {4000, 10, 0, 0}},
        {"4000,10,1,50,7", {4000, 10, 1, 50}},
        {"abc,10,1,50", {0, 10, 1, 50}},
        {",,,", {0, 0, 0, 0}},
        {"4000,10,1,", {4000, 10, 1, 0}},
        {"-1,2,30,400", {-1, 2, 30, 400}},
        {"12abc,10,1,50", {0, 10, 1, 50}},
        {" 12,10 ,1,50", {0, 0, 1, 50}},
        {"+12,-,1,50", {0, 0, 1, 50}},
        {"2147483647,-2147483648,0,50", {2147483647, -2147483647 - 1, 0, 50}},
        {"2147483648,-2147483649,99999999999999999999,50", {0, 0, 0, 50}},
        {"007,-0,1.5,0x10", {7, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        TSpeakerRec rec{};
        ParseSpeakerRec(c.text, rec);
        EXPECT_EQ(rec, c.rec) << '"' << c.text << '"';
    }
}

TEST(SpeakerRec, ParseKeepsFieldsTheTextDoesNotReach) {
    struct Case {
        const char* text;
        TSpeakerRec rec;
    } cases[] = {
        {"", {1, 2, 3, 4}},      {"9", {9, 2, 3, 4}},       {",", {0, 0, 3, 4}},
        {"9,8,7", {9, 8, 7, 4}}, {"x,8,7,6", {0, 8, 7, 6}},
    };
    for (const auto& c : cases) {
        TSpeakerRec rec{1, 2, 3, 4};
        ParseSpeakerRec(c.text, rec);
        EXPECT_EQ(rec, c.rec) << '"' << c.text << '"';
    }
}

TEST(SpeakerRec, FormatAndRoundTrip) {
    struct Case {
        TSpeakerRec rec;
        const char* text;
    } cases[] = {
        {{4000, 10, 1, 50}, "4000,10,1,50"},
        {{2000, 10, 1, 50}, "2000,10,1,50"},
        {{-1, 2, 30, 400}, "-1,2,30,400"},
        {{0, 0, 0, 0}, "0,0,0,0"},
        {{2147483647, -2147483647 - 1, 5, 50}, "2147483647,-2147483648,5,50"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatSpeakerRec(c.rec), c.text);
        TSpeakerRec parsed{};
        ParseSpeakerRec(c.text, parsed);
        EXPECT_EQ(parsed, c.rec) << c.text;
        EXPECT_EQ(FormatSpeakerRec(parsed), c.text);
    }
}

TEST(SpeakerRec, ClearSpeakerTableZeroesAllNineEntries) {
    TSpeakerTable table;
    ASSERT_EQ(table.size(), 9u);
    for (int i = 0; i < SpeakerTableSize; ++i) {
        table[i] = {i + 1, i + 2, i + 3, i + 4};
    }
    ClearSpeakerTable(table);
    for (const TSpeakerRec& rec : table) {
        EXPECT_EQ(rec, (TSpeakerRec{0, 0, 0, 0}));
    }
}

} // namespace sound

#include "platform/Cp1252.h"
#include "platform/Utf16Text.h"

#include <gtest/gtest.h>

TEST(Cp1252, UpperCaseAsTheRegistryCompares) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"abc", "ABC"},   {"größe", "GRÖßE"}, {"äöü", "ÄÖÜ"},
        {"šœžÿ", "ŠŒŽŸ"}, {"÷", "÷"},         {"€", "€"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::Cp1252UpperText(c.in), c.out) << c.in;
    }
    EXPECT_TRUE(platform::SameNameIgnoringCase("Speaker", "SPEAKER"));
    EXPECT_FALSE(platform::SameNameIgnoringCase("Speaker", "Speakers"));
}

TEST(Cp1252, ToAndFromUtf16AsTheSystemConverts) {
    struct Case {
        std::string cp1252;
        std::u16string utf16;
        bool lossy;
    } cases[] = {
        {"Aä€‰Ÿ\xFF", u"Aä€‰Ÿÿ", false},
        {"\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D", false},
        {"?mega ???", u"Ωmega жук", true},
    };
    for (const auto& c : cases) {
        bool lossy = !c.lossy;
        EXPECT_EQ(platform::Cp1252FromUtf16(c.utf16, &lossy), c.cp1252);
        EXPECT_EQ(lossy, c.lossy);
        if (!c.lossy) {
            EXPECT_EQ(platform::Utf16FromCp1252(c.cp1252), c.utf16);
        }
    }
}

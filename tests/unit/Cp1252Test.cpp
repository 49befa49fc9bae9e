#include "platform/Cp1252.h"

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

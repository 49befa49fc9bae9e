#include "settings/Registry.h"
#include "platform/fake/FakePlatform.h"
#include "settings/StoreError.h"

#include <gtest/gtest.h>

using platform::Hive;
using settings::TRegistry;

TEST(Registry, PathsAreTakenBelowTheOpenKeyUnlessTheyStartWithABackslash) {
    platform::fake::FakePlatform fake;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\A", true));
    ASSERT_TRUE(reg.OpenKey("B", true));
    EXPECT_EQ(fake.registry.Opens().back().path, "Software\\A\\B");
    EXPECT_TRUE(fake.registry.KeyExists(Hive::CurrentUser, "Software\\A\\B"));
    ASSERT_TRUE(reg.OpenKey("\\Software\\C\\", true));
    EXPECT_EQ(fake.registry.Opens().back().path, "Software\\C");
    EXPECT_TRUE(reg.CreateKey("D"));
    EXPECT_TRUE(fake.registry.KeyExists(Hive::CurrentUser, "Software\\C\\D"));
    EXPECT_TRUE(reg.HasSubKeys());
    reg.CloseKey();
    EXPECT_EQ(fake.registry.OpenKeys(), 0);
    EXPECT_FALSE(reg.OpenKey("B", false));
    EXPECT_TRUE(reg.DeleteKey("Software\\C"));
    EXPECT_FALSE(fake.registry.KeyExists(Hive::CurrentUser, "Software\\C\\D"));
    EXPECT_EQ(fake.registry.OpenKeys(), 0);
}

TEST(Registry, ReadingChecksTypesAndSizes) {
    platform::fake::FakePlatform fake;
    fake.registry.SetString(Hive::CurrentUser, "K", "text", "abc");
    fake.registry.SetBinary(Hive::CurrentUser, "K", "bytes", {1, 2});
    fake.registry.SetValue(Hive::CurrentUser, "K", "number", platform::RegType::DWord,
                           {0xFE, 0xFF, 0xFF, 0xFF});
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("K", false));
    EXPECT_EQ(reg.ReadString("text"), "abc");
    EXPECT_EQ(reg.ReadString("missing"), "");
    EXPECT_THROW(reg.ReadString("bytes"), settings::StoreError);
    std::uint8_t buffer[2] = {9, 9};
    EXPECT_EQ(reg.ReadBinaryData("bytes", buffer, 2), 2);
    EXPECT_EQ(buffer[1], 2);
    EXPECT_EQ(reg.ReadBinaryData("missing", buffer, 2), 0);
    EXPECT_THROW(reg.ReadBinaryData("bytes", buffer, 1), settings::StoreError);
    EXPECT_THROW(reg.ReadBinaryData("text", buffer, 2), settings::StoreError);
    EXPECT_EQ(reg.GetDataType("text"), settings::TRegDataType::rdString);
    EXPECT_EQ(reg.GetDataType("number"), settings::TRegDataType::rdInteger);
    EXPECT_EQ(reg.GetDataType("bytes"), settings::TRegDataType::rdBinary);
}

TEST(Registry, AFailingWriteRaisesTheStoreErrorAndAZeroByteIsRefused) {
    platform::fake::FakePlatform fake;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("K", true));
    EXPECT_THROW(reg.WriteString("a", std::string("x\0y", 3)), settings::StoreError);
    fake.registry.FailWritesUnder(Hive::CurrentUser, "K");
    try {
        reg.WriteString("Wert", "x");
        FAIL();
    } catch (const settings::StoreError& e) {
        EXPECT_STREQ(e.what(), "Fehler beim Setzen der Daten für 'Wert':\r\nZugriff verweigert");
    }
    EXPECT_FALSE(fake.registry.GetString(Hive::CurrentUser, "K", "Wert").has_value());
}

TEST(Registry, WritingManyTextsStoresEveryTextItCanAndRaisesTheFirstFailure) {
    using Texts = std::vector<std::pair<std::string, std::string>>;
    const auto values = [](const Texts& texts) {
        std::vector<std::pair<std::string, platform::RegValue>> values;
        for (const auto& [name, text] : texts) {
            values.emplace_back(name,
                                platform::RegValue(platform::TypeNumber(platform::RegType::Sz),
                                                   {text.begin(), text.end()}));
        }
        return values;
    };
    struct Case {
        const char* name;
        Texts texts;
        bool failWrites;
        const char* error; // nullptr: no error
        std::vector<std::string> stored;
    } cases[] = {
        {"all stored, the later of one name remains",
         {{"a", "1"}, {"b", "2"}, {"A", "3"}},
         false,
         nullptr,
         {"a", "b"}},
        {"a zero byte is refused, the rest stored",
         {{"a", "1"}, {"nul", std::string("x\0y", 3)}, {"c", "3"}},
         false,
         "Fehler beim Setzen der Daten für 'nul'",
         {"a", "c"}},
        {"a failing store names the first text",
         {{"a", "1"}, {"b", "2"}},
         true,
         "Fehler beim Setzen der Daten für 'a':\r\nZugriff verweigert",
         {}},
        {"nothing to write", {}, true, nullptr, {}},
    };
    for (const auto& c : cases) {
        platform::fake::FakePlatform fake;
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("K", true));
        if (c.failWrites) {
            fake.registry.FailWritesUnder(Hive::CurrentUser, "K");
        }
        try {
            reg.WriteTexts(values(c.texts));
            EXPECT_EQ(c.error, nullptr) << c.name;
        } catch (const settings::StoreError& e) {
            ASSERT_NE(c.error, nullptr) << c.name << ": " << e.what();
            EXPECT_STREQ(e.what(), c.error) << c.name;
        }
        EXPECT_EQ(fake.registry.ValueNamesOf(Hive::CurrentUser, "K"), c.stored) << c.name;
    }
    platform::fake::FakePlatform fake;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("K", true));
    reg.WriteTexts(values({{"a", "1"}, {"A", "3"}}));
    EXPECT_EQ(fake.registry.GetString(Hive::CurrentUser, "K", "a"), "3");
}

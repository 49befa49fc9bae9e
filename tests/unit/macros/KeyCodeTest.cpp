#include "macros/KeyCode.h"

#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

using namespace macros;

TEST(KeyCode, MakeKeyCodeKeepsOnlyMacroModifiers) {
    struct Case {
        std::uint16_t vk;
        std::uint8_t modifiers;
        TKeyCode code;
    } cases[] = {
        {0x47, 0x08, 0x00080047},   {0x47, 0x18, 0x00080047}, {0x47, 0xFF, 0x00CF0047},
        {0x47, 0x30, 0x00000047},   {0xC0, 0x09, 0x000900C0}, {0x79, 0x80, 0x00800079},
        {0x79, 0x40, 0x00400079},   {0x58, 0x06, 0x00060058}, {0xFFFF, 0xCF, 0x00CFFFFF},
        {0x0000, 0x00, 0x00000000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MakeKeyCode(c.vk, c.modifiers), c.code)
            << std::hex << c.vk << " " << +c.modifiers;
        EXPECT_EQ(KeyCodeOf({c.vk, c.modifiers}), c.code);
    }
}

TEST(KeyCode, SplitKeepsModifierByteAndDropsTopByte) {
    struct Case {
        TKeyCode code;
        std::uint16_t vk;
        std::uint8_t modifiers;
        TKeyCode repacked;
    } cases[] = {
        {0x12345678, 0x5678, 0x34, 0x00045678}, {0x00080047, 0x0047, 0x08, 0x00080047},
        {0x00180047, 0x0047, 0x18, 0x00080047}, // all-capitals bit is lost on repacking
        {0xFFFFFFFF, 0xFFFF, 0xFF, 0x00CFFFFF}, {0x00000000, 0x0000, 0x00, 0x00000000},
    };
    for (const auto& c : cases) {
        const TKeyCombination combination = SplitKeyCode(c.code);
        EXPECT_EQ(combination.VirtualKey, c.vk) << std::hex << c.code;
        EXPECT_EQ(combination.Modifiers, c.modifiers) << std::hex << c.code;
        EXPECT_EQ(KeyCodeOf(combination), c.repacked) << std::hex << c.code;
    }
}

TEST(KeyCode, ValueNameIsEightUpperCaseHexDigits) {
    struct Case {
        TKeyCode code;
        const char* name;
    } cases[] = {
        {0x00080047, "00080047"}, {0x000900C0, "000900C0"}, {0x00800079, "00800079"},
        {0xFFFFFFFF, "FFFFFFFF"}, {0x00CFABCD, "00CFABCD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyCodeToValueName(c.code), c.name);
        EXPECT_EQ(ValueNameToKeyCode(c.name), c.code) << c.name;
    }
}

TEST(KeyCode, ValueNameReading) {
    struct Case {
        const char* name;
        std::optional<TKeyCode> code;
    } cases[] = {
        {"000900c0", 0x000900C0},
        {"8005A", 0x0008005A},
        {"0", 0x00000000},
        {"aBcDeF", 0x00ABCDEF},
        {"00000000FF", 0x000000FF}, // leading zeros are fine while the value fits
        {"0000000000000000FFFFFFFF", 0xFFFFFFFF},
        {"Default", std::nullopt},
        {"", std::nullopt},
        {" 1", std::nullopt},
        {"+1", std::nullopt},
        {"-1", std::nullopt},
        {"0x47", std::nullopt},
        {"00080047h", std::nullopt},
        {"100000000", std::nullopt},         // does not fit in 32 bits
        {"10000000000000000", std::nullopt}, // would wrap to 0 in 64 bits
        {"ü", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValueNameToKeyCode(c.name), c.code) << '"' << c.name << '"';
    }
}

TEST(KeyCode, DisplayText) {
    platform::fake::FakePlatform fake;
    struct Case {
        TKeyCode code;
        const char* text;
    } cases[] = {
        {0x00080047, "AltGr+ G"},
        {0x00800079, "RWin+ F10"},
        {0x00070058, "Umsch+Alt+Strg+ X"},
        {0x00000070, " F1"},
        {0x00080000, "AltGr+ "},
        {0x00CF0047, "AltGr+RWin+LWin+Umsch+Alt+Strg+ G"},
        {0x00FF0047, "AltGr+RWin+LWin+Umsch+Alt+Strg+ G"},
        {0x00190047, "AltGr+Umsch+ G"}, // bit 4 shows no name
        {0x00300047, " G"},
        {0x000900C0, "AltGr+Umsch+ ^"},
        {0x00080025, "AltGr+ Num 4"}, // cursor left is named after its keypad twin
        {0xFF080047, "AltGr+ G"},     // top byte is not part of the combination
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyCodeToText(c.code), c.text) << std::hex << c.code;
    }
}

TEST(KeyCode, KeyNameAsksWithScanCodeInBits16To23Only) {
    platform::fake::FakePlatform fake;
    fake.keyboard.scanCodes[0x90] = 0x1C45; // a layout that reports more than the scan code
    fake.keyboard.names[0x45] = "Num";
    struct Case {
        std::uint16_t vk;
        const char* name;
        std::vector<std::int32_t> requests;
    } cases[] = {
        {0x47, "G", {0x00220000}},
        {0x70, "F1", {0x003B0000}},
        {0x2E, "Num ,", {0x00530000}},
        {0x90, "Num", {0x00450000}},
        {0x00, "", {}}, // no scan code: not asked
        {0xFF, "", {}},
    };
    for (const auto& c : cases) {
        fake.keyboard.nameRequests.clear();
        EXPECT_EQ(KeyName(c.vk), c.name) << std::hex << c.vk;
        EXPECT_EQ(fake.keyboard.nameRequests, c.requests) << std::hex << c.vk;
    }
}

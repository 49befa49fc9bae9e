#include "regfile/Utf16Writer.h"

#include "platform/Utf16Text.h"
#include "unit/regfile/RegFileTestText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using regfile::RegFileKey;
using regfile::RegFileValue;
using regfiletest::Utf16File;

namespace {

constexpr const char16_t* kMacroKey = u"Software\\Velmark\\Tastor32\\Macros\\AltGr";

std::vector<std::uint8_t> Text(const std::u16string& text) {
    return platform::Utf16LeBytes(text + u'\0');
}

} // namespace

TEST(RegFileUtf16Writer, WritesTheKeysAsTheRegistryEditorDoes) {
    const std::u16string sub = kMacroKey + std::u16string(u"\\Sub");
    struct Case {
        const char* what;
        std::vector<RegFileKey> keys;
        std::u16string file;
    } cases[] = {
        {"a missing key is only deleted",
         {},
         u"Windows Registry Editor Version 5.00\r\n\r\n"
         u"[-HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\r\n\r\n"},
        {"texts, the default value, a number, bytes and a subkey",
         {{kMacroKey,
           {{u"0008004A", 1, Text(u"C:\\x \"y\"")},
            {u"", 1, Text(u"d")},
            {u"n", 4, {0xFF, 0, 0, 0x80}},
            {u"b", 3, {1, 0xAB}}}},
          {sub, {{u"ω1", 1, Text(u"Ωmega жук ✓")}}}},
         u"Windows Registry Editor Version 5.00\r\n\r\n"
         u"[-HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\r\n\r\n"
         u"[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\r\n"
         u"\"0008004A\"=\"C:\\\\x \\\"y\\\"\"\r\n@=\"d\"\r\n\"n\"=dword:800000ff\r\n"
         u"\"b\"=hex:01,ab\r\n\r\n"
         u"[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr\\Sub]\r\n"
         u"\"ω1\"=\"Ωmega жук ✓\"\r\n\r\n"},
        {"line breaks and zeros as hex(1), bytes in lines of 25, names escaped",
         {{kMacroKey,
           {{u"a\r\n\"", 1, Text(u"\n")},
            {u"z", 2, Text(u"%A%")},
            {u"e", 1, {}},
            {u"l", 3, std::vector<std::uint8_t>(26, 0x11)}}}},
         u"Windows Registry Editor Version 5.00\r\n\r\n"
         u"[-HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\r\n\r\n"
         u"[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\r\n"
         u"\"a\\r\\n\\\"\"=hex(1):0a,00,00,00\r\n\"z\"=hex(2):25,00,41,00,25,00,00,00\r\n"
         u"\"e\"=hex(1):\r\n"
         u"\"l\"=hex:11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,"
         u"11,\\\r\n  11\r\n\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(regfile::RegFileUtf16(kMacroKey, c.keys), Utf16File(c.file));
    }
    EXPECT_EQ(regfile::RegFileUtf16(kMacroKey, {{sub + u"\nx", {}}}), std::nullopt);
    EXPECT_EQ(regfile::RegFileUtf16(kMacroKey, {{sub, {{std::u16string(u"a\0b", 3), 1, {}}}}}),
              std::nullopt);
}

TEST(RegFileUtf16Writer, ItsFileReadsBackAsTheSameValues) {
    struct Case {
        const char* what;
        RegFileValue written;
        std::vector<std::uint8_t> readBack;
    } cases[] = {
        {"a text outside code page 1252", {u"ω1", 1, Text(u"Ωmega жук ✓ 𝄞")}, {}},
        {"line breaks and a zero inside", {u"t", 1, Text(std::u16string(u"a\r\nb\0c", 6))}, {}},
        {"a 1 MB text", {u"big", 1, Text(std::u16string(1 << 19, u'ä'))}, {}},
        {"an expandable and a multiple text", {u"m", 7, Text(std::u16string(u"a\0b\0", 4))}, {}},
        {"an empty text without a zero", {u"e", 1, {}}, {}},
        {"a number of another size", {u"n", 4, {1, 2}}, {}},
        {"any type number", {u"x", 0xFFFF0000u, {9}}, {}},
        {"the default value", {u"", 3, {}}, {}},
        {"a text without its zero gets one", {u"u", 1, {0x61, 0}}, {0x61, 0, 0, 0}},
        {"a text of an odd size gets a zero byte, then a zero",
         {u"o", 1, {0x61, 0, 0x62}},
         {0x61, 0, 0x62, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto file = regfile::RegFileUtf16(kMacroKey, {{kMacroKey, {c.written}}});
        ASSERT_TRUE(file);
        const auto read = regfile::ReadRegFile(*file);
        ASSERT_TRUE(std::holds_alternative<regfile::RegFile>(read));
        const auto& sections = std::get<regfile::RegFile>(read).sections;
        ASSERT_EQ(sections.size(), 2u);
        EXPECT_TRUE(sections[0].remove);
        ASSERT_EQ(sections[1].changes.size(), 1u);
        RegFileValue expected = c.written;
        if (!c.readBack.empty()) {
            expected.data = c.readBack;
        }
        EXPECT_TRUE(sections[1].changes[0].value == expected);
    }
}

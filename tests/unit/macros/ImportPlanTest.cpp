#include "macros/ImportPlan.h"

#include "platform/Utf16Text.h"
#include "regfile/Reader.h"
#include "unit/regfile/RegFileTestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

using macros::ImportRefusal;
using platform::RegTreeKey;
using platform::RegTreeValue;

namespace {

constexpr const char* kMacros = "HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr";
constexpr const char16_t* kMacroPath = u"Software\\Velmark\\Tastor32\\Macros\\AltGr";

RegTreeValue Macro(const char16_t* name, const std::u16string& text) {
    return {name, 1, platform::Utf16LeBytes(text + u'\0')};
}

std::string Section(const std::string& below = "") {
    return std::string("[") + kMacros + below + "]\r\n";
}

auto Plan(const std::string& lines, const std::vector<RegTreeKey>& stored = {}) {
    return macros::PlanMacroImport("REGEDIT4\r\n\r\n" + lines, stored);
}

// Each key and its values, sorted by name: "Sub: 00080041=x".
std::u16string Rendered(const std::vector<RegTreeKey>& keys) {
    std::u16string out;
    for (const RegTreeKey& key : keys) {
        out += key.path == kMacroPath ? u"" : key.path.substr(std::u16string(kMacroPath).size());
        out += u":";
        std::vector<RegTreeValue> values = key.values;
        std::sort(values.begin(), values.end(),
                  [](const auto& a, const auto& b) { return a.name < b.name; });
        for (const RegTreeValue& value : values) {
            out += u" " + value.name + u"=" + regfiletest::DataText(value);
        }
        out += u"\n";
    }
    return out;
}

const std::vector<RegTreeKey> kStored = {
    {kMacroPath,
     {Macro(u"0008004A", u"Hallo"), Macro(u"00080041", u"Ωmega"), {u"Note", 4, {1, 0, 0, 0}}}},
    {std::u16string(kMacroPath) + u"\\Sub", {{u"v", 4, {7, 0, 0, 0}}}},
};

} // namespace

TEST(ImportPlan, NamesEveryKeyOutsideTheMacroKey) {
    struct Case {
        const char* what;
        std::string lines;
        std::vector<std::u16string> foreign;
    } cases[] = {
        {"a macro and an autostart entry",
         Section() + "\"0008004A\"=\"x\"\r\n"
                     "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n"
                     "\"Evil\"=\"c:\\\\evil.exe\"\r\n",
         {u"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"}},
        {"a parent deleted",
         "[-HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32]\r\n",
         {u"HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32"}},
        {"the macro path under another root",
         "[HKEY_LOCAL_MACHINE\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\r\n",
         {u"HKEY_LOCAL_MACHINE\\Software\\Velmark\\Tastor32\\Macros\\AltGr"}},
        {"a sibling that begins like the macro key",
         "[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr2]\r\n",
         {u"HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr2"}},
        {"an empty part of the path",
         "[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\\\AltGr]\r\n",
         {u"HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\\\AltGr"}},
        {"a subkey named \"..\"; a letter outside ASCII",
         "[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr\\..]\r\n"
         "[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\Alt\xC6r]\r\n",
         {u"HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltÆr"}},
        {"the root itself", "[HKEY_CURRENT_USER]\r\n\"v\"=\"x\"\r\n", {u"HKEY_CURRENT_USER"}},
        {"each key once, as first written, in file order",
         "[HKEY_CURRENT_USER\\B]\r\n[HKEY_CURRENT_USER\\A]\r\n[-hkey_current_user\\b]\r\n",
         {u"HKEY_CURRENT_USER\\B", u"HKEY_CURRENT_USER\\A"}},
        {"the macro key in any case, with a final backslash, its subkeys and other values",
         "[hkey_current_user\\SOFTWARE\\velmark\\tastor32\\macros\\altgr\\]\r\n\"Note\"=dword:"
         "1\r\n" +
             Section("\\Sub\\Deeper") + "\"v\"=\"x\"\r\n[-" + std::string(kMacros) + "\\Sub]\r\n",
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto plan = Plan(c.lines);
        const auto* refusal = std::get_if<ImportRefusal>(&plan);
        EXPECT_EQ(refusal != nullptr ? refusal->foreignKeys : std::vector<std::u16string>{},
                  c.foreign);
    }
}

// The numbers of the question compare macros by key code, and the key afterwards holds each
// macro once, under the program's own name for its key.
TEST(ImportPlan, CountsAndWritesMacrosByKeyCode) {
    const std::u16string storedKey =
        u": 00080041=\"Ωmega\\0\" 0008004A=\"Hallo\\0\" Note=01 00 00 00\n\\Sub: v=07 00 00 00\n";
    struct Case {
        const char* what;
        std::string lines;
        std::size_t added, replaced, deleted;
        bool deletesKey;
        std::u16string expected; // the macro key afterwards
        std::optional<ImportRefusal::Kind> refusal = std::nullopt;
    } cases[] = {
        {"only the header", "", 0, 0, 0, false, u"", ImportRefusal::Kind::NoMacros},
        {"a key line alone", Section(), 0, 0, 0, false, u"", ImportRefusal::Kind::NoMacros},
        {"the same text again under a shorter name in other case",
         Section() + "\"8004a\"=\"Hallo\"\r\n", 0, 0, 0, false, u"", ImportRefusal::Kind::NoChange},
        {"one new macro under a short name", Section() + "\"80042\"=\"b\"\r\n", 1, 0, 0, false,
         u": 00080041=\"Ωmega\\0\" 00080042=\"b\\0\" 0008004A=\"Hallo\\0\" Note=01 00 00 00\n"
         u"\\Sub: v=07 00 00 00\n"},
        {"another text under another spelling of the key",
         Section() + "\"0008004a\"=\"neu\"\r\n\"80041\"=\"?mega\"\r\n", 0, 2, 0, false,
         u": 00080041=\"?mega\\0\" 0008004A=\"neu\\0\" Note=01 00 00 00\n\\Sub: v=07 00 00 00\n"},
        {"a deleted macro in other case, a deleted missing one",
         Section() + "\"0008004a\"=-\r\n\"00080049\"=-\r\n", 0, 0, 1, false,
         u": 00080041=\"Ωmega\\0\" Note=01 00 00 00\n\\Sub: v=07 00 00 00\n"},
        {"a macro turned into a number", Section() + "\"0008004A\"=dword:1\r\n", 0, 0, 1, false,
         u": 00080041=\"Ωmega\\0\" 0008004A=01 00 00 00 Note=01 00 00 00\n"
         u"\\Sub: v=07 00 00 00\n"},
        {"values that are not macros, a new subkey with its parent",
         Section() + "\"Note\"=-\r\n\"x\"=\"y\"\r\n" + Section("\\Neu\\Tief") +
             "\"00080043\"=\"c\"\r\n",
         0, 0, 0, false,
         u": 00080041=\"Ωmega\\0\" 0008004A=\"Hallo\\0\" x=\"y\\0\"\n\\Sub: v=07 00 00 00\n"
         u"\\Neu:\n\\Neu\\Tief: 00080043=\"c\\0\"\n"},
        {"the key deleted", "[-" + std::string(kMacros) + "]\r\n", 0, 0, 2, true, u""},
        {"the key deleted and one macro written again",
         "[-" + std::string(kMacros) + "]\r\n" + Section() + "\"0008004A\"=\"Hallo\"\r\n", 0, 0, 1,
         true, u": 0008004A=\"Hallo\\0\"\n"},
        {"a subkey deleted, a text written, then deleted",
         "[-" + std::string(kMacros) + "\\SUB]\r\n" + Section() +
             "\"00080042\"=\"b\"\r\n\"00080042\"=-\r\n",
         0, 0, 0, false, u": 00080041=\"Ωmega\\0\" 0008004A=\"Hallo\\0\" Note=01 00 00 00\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto plan = Plan(c.lines, kStored);
        if (const auto* refusal = std::get_if<ImportRefusal>(&plan)) {
            EXPECT_EQ(std::optional(refusal->kind), c.refusal) << refusal->reason;
            continue;
        }
        EXPECT_EQ(c.refusal, std::nullopt);
        const auto& planned = std::get<macros::ImportPlan>(plan);
        EXPECT_EQ(Rendered(planned.expected), c.expected);
        EXPECT_EQ(planned.counts.added, c.added);
        EXPECT_EQ(planned.counts.replaced, c.replaced);
        EXPECT_EQ(planned.counts.deleted, c.deleted);
        EXPECT_EQ(planned.counts.deletesMacroKey, c.deletesKey);
        // The editor's file, applied to the stored key, gives the same key.
        const auto again = macros::PlanMacroImport(planned.editorFile, kStored);
        ASSERT_TRUE(std::holds_alternative<macros::ImportPlan>(again));
        EXPECT_TRUE(
            macros::SameMacroKey(std::get<macros::ImportPlan>(again).expected, planned.expected));
    }
    EXPECT_EQ(Rendered(kStored), storedKey);
}

TEST(ImportPlan, TheEditorGetsOnlyPlainLinesOfTheChange) {
    // A comment after empty hex data, code page 1252 and odd forms: none of it reaches the
    // editor, which gets the change in UTF-16.
    const auto plan =
        Plan(Section() + "\"8004a\" = \"\xE8\" ; c\r\n\"Note\"=-\r\n\"x\"=hex(1):;\r\n", kStored);
    ASSERT_TRUE(std::holds_alternative<macros::ImportPlan>(plan));
    const auto read = regfile::ReadRegFile(std::get<macros::ImportPlan>(plan).editorFile);
    ASSERT_TRUE(std::holds_alternative<regfile::RegFile>(read));
    EXPECT_TRUE(std::get<regfile::RegFile>(read).utf16);
    EXPECT_EQ(regfiletest::Rendered(std::get<regfile::RegFile>(read)),
              u"L3 [HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\n"
              u"L4 \"Note\"=-\nL5 \"0008004A\"=1:\"è\\0\"\nL6 \"x\"=1:\"\"\n");
}

TEST(ImportPlan, TheMessageNamesTheFirstFiveKeys) {
    struct Case {
        std::vector<std::u16string> keys;
        std::string list;
    } cases[] = {
        {{u"HKEY_USERS\\Ω"}, "HKEY_USERS\\?\r\n"},
        {{u"A", u"B", u"C", u"D", u"E"}, "A\r\nB\r\nC\r\nD\r\nE\r\n"},
        {{u"A", u"B", u"C", u"D", u"E", u"F", u"G"}, "A\r\nB\r\nC\r\nD\r\nE\r\nund 2 weitere\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(macros::ForeignKeyList(c.keys), c.list);
    }
}

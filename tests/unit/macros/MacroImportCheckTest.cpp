#include "macros/MacroImportCheck.h"

#include "platform/Utf16Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* kMacros = "HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr";

macros::RegFileValue Macro(const char16_t* name, const std::u16string& text) {
    return {name, 1, platform::Utf16LeBytes(text + u'\0')};
}

// A REGEDIT4 file of these lines, read.
macros::RegFile Read(const std::string& lines) {
    auto result = macros::ReadRegFile("REGEDIT4\r\n\r\n" + lines);
    EXPECT_TRUE(std::holds_alternative<macros::RegFile>(result)) << lines;
    return std::holds_alternative<macros::RegFile>(result) ? std::get<macros::RegFile>(result)
                                                           : macros::RegFile{};
}

std::string Section(const std::string& below = "") {
    return std::string("[") + kMacros + below + "]\r\n";
}

} // namespace

TEST(MacroImportCheck, NamesEveryKeyOutsideTheMacroKey) {
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
        EXPECT_EQ(macros::CheckMacroImport(Read(c.lines), {}).foreignKeys, c.foreign);
    }
}

TEST(MacroImportCheck, CountsTheMacrosAddedReplacedAndDeleted) {
    const macros::StoredMacroKey stored{
        true,
        {Macro(u"0008004A", u"Hallo"), Macro(u"00080041", u"Ωmega"), {u"Note", 4, {1, 0, 0, 0}}}};
    struct Case {
        const char* what;
        std::string lines;
        macros::StoredMacroKey stored;
        std::size_t added, replaced, deleted;
        bool deletesKey, empty;
    } cases[] = {
        {"only the header", "", stored, 0, 0, 0, false, true},
        {"a key line alone", Section(), stored, 0, 0, 0, false, true},
        {"one new macro", Section() + "\"00080042\"=\"b\"\r\n", stored, 1, 0, 0, false, false},
        {"the same text again, the name in other case", Section() + "\"0008004a\"=\"Hallo\"\r\n",
         stored, 0, 0, 0, false, false},
        {"another text; a text outside code page 1252 read as \"?\" is another text",
         Section() + "\"0008004A\"=\"Hallo!\"\r\n\"00080041\"=\"?mega\"\r\n", stored, 0, 2, 0,
         false, false},
        {"a text after its zero does not count",
         Section() + "\"0008004A\"=hex(1):48,61,6c,6c,6f,00,78\r\n", stored, 0, 0, 0, false, false},
        {"a deleted macro, a deleted missing one",
         Section() + "\"0008004A\"=-\r\n\"00080049\"=-\r\n", stored, 0, 0, 1, false, false},
        {"a macro turned into a number", Section() + "\"0008004A\"=dword:1\r\n", stored, 0, 0, 1,
         false, false},
        {"values that are not macros",
         Section() + "\"Note\"=-\r\n\"x\"=\"y\"\r\n\"00000001\"=hex:00\r\n" + Section("\\Sub") +
             "\"00080043\"=\"c\"\r\n",
         stored, 0, 0, 0, false, false},
        {"the key deleted", "[-" + std::string(kMacros) + "]\r\n", stored, 0, 0, 2, true, false},
        {"the key deleted and one macro written again",
         "[-" + std::string(kMacros) + "]\r\n" + Section() + "\"0008004A\"=\"Hallo\"\r\n", stored,
         0, 0, 1, true, false},
        {"a missing key deleted and written",
         "[-" + std::string(kMacros) + "]\r\n" + Section() + "\"0008004A\"=\"Hallo\"\r\n",
         {},
         1,
         0,
         0,
         false,
         false},
        {"a text written, then deleted", Section() + "\"00080042\"=\"b\"\r\n\"00080042\"=-\r\n",
         stored, 0, 0, 0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const macros::MacroImportCheck check = macros::CheckMacroImport(Read(c.lines), c.stored);
        EXPECT_EQ(check.added, c.added);
        EXPECT_EQ(check.replaced, c.replaced);
        EXPECT_EQ(check.deleted, c.deleted);
        EXPECT_EQ(check.deletesMacroKey, c.deletesKey);
        EXPECT_EQ(check.empty, c.empty);
        EXPECT_TRUE(check.foreignKeys.empty());
    }
}

TEST(MacroImportCheck, TheMessageNamesTheFirstFiveKeys) {
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

#include "regfile/Reader.h"

#include "unit/regfile/RegFileTestText.h"

#include <gtest/gtest.h>

#include <string>

using regfiletest::Rendered;
using regfiletest::Utf16File;

namespace {

// A REGEDIT4 file: the header line, then the given lines.
std::string Regedit4(const std::string& lines) {
    return "REGEDIT4\r\n" + lines;
}

std::string Regedit5(const std::u16string& lines) {
    return Utf16File(u"Windows Registry Editor Version 5.00\r\n" + lines);
}

std::string WithoutLastByte(std::string bytes) {
    bytes.pop_back();
    return bytes;
}

} // namespace

TEST(RegFileReader, ReadsWhatTheRegistryEditorImports) {
    struct Case {
        const char* what;
        std::string file;
        std::u16string read;
    } cases[] = {
        {"a macro",
         Regedit4("\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n\"0008004A\"=\"Hallo\"\r\n\r\n"),
         u"L3 [HKEY_CURRENT_USER\\Software\\A]\nL4 \"0008004A\"=1:\"Hallo\\0\"\n"},
        {"code page 1252 to UTF-16", Regedit4("[HKEY_CURRENT_USER\\A]\r\n\"Grüße\"=\"€ ‰ Ÿ\"\r\n"),
         u"L2 [HKEY_CURRENT_USER\\A]\nL3 \"Grüße\"=1:\"€ ‰ Ÿ\\0\"\n"},
        {"escapes in names and texts",
         Regedit4("[HKEY_CURRENT_USER\\A]\r\n\"a\\\\b\\\"c\"=\"x\\ny\\rz \\\"q\\\"\"\r\n"),
         u"L2 [HKEY_CURRENT_USER\\A]\nL3 \"a\\b\"c\"=1:\"x\ny\rz \"q\"\\0\"\n"},
        {"the default value, a deleted value and a deleted key",
         Regedit4("[HKEY_CURRENT_USER\\A]\r\n@=\"d\"\r\n\"old\"=-\r\n@=-\r\n[-HKEY_CURRENT_USER\\B]"
                  "\r\n"),
         u"L2 [HKEY_CURRENT_USER\\A]\nL3 @=1:\"d\\0\"\nL4 \"old\"=-\nL5 @=-\n"
         u"L6 [-HKEY_CURRENT_USER\\B]\n"},
        {"numbers of one to eight digits, either case",
         Regedit4("[HKEY_CURRENT_USER\\A]\r\n\"n\"=dword:000000fF\r\n\"m\"=dword:1\r\n"),
         u"L2 [HKEY_CURRENT_USER\\A]\nL3 \"n\"=4:ff 00 00 00\nL4 \"m\"=4:01 00 00 00\n"},
        {"bytes over continued lines",
         Regedit4("[HKEY_CURRENT_USER\\A]\r\n\"b\"=hex:01,aB,\\\r\n  c,\\ ; more\r\n  "
                  "Dd\r\n\"e\"=hex:\r\n"),
         u"L2 [HKEY_CURRENT_USER\\A]\nL3 \"b\"=3:01 ab 0c dd\nL6 \"e\"=3:\n"},
        {"hex texts of a code page 1252 file: converted, a zero added when missing",
         Regedit4("[HKEY_CURRENT_USER\\A]\r\n\"x\"=hex(2):41,e4,00\r\n\"y\"=hex(7):61,00,62\r\n"),
         u"L2 [HKEY_CURRENT_USER\\A]\nL3 \"x\"=2:\"Aä\\0\"\nL4 \"y\"=7:\"a\\0b\\0\"\n"},
        {"any type number",
         Regedit4("[HKEY_CURRENT_USER\\A]\r\n\"t\"=hex(0):\r\n\"u\"=hex(FfFf0000):07\r\n"),
         u"L2 [HKEY_CURRENT_USER\\A]\nL3 \"t\"=0:\nL4 \"u\"=4294901760:07\n"},
        {"comments, blanks, blank lines, other line ends",
         Regedit4("; note\n\r  \t\r\n  [hkey_local_machine\\A] ; x\r\n  \"n\" \t= \"v\" ; c \r\n"),
         u"L5 [hkey_local_machine\\A]\nL6 \"n\"=1:\"v\\0\"\n"},
        {"a key name with brackets ends at the last one", Regedit4("[HKEY_USERS\\a]b]\r\n"),
         u"L2 [HKEY_USERS\\a]b]\n"},
        {"only the header", Regedit4(""), u""},
        {"what the editors take besides: blank and comment lines in a continuation, blanks "
         "after dword:, # comments, a zero and an end-of-file character at the end",
         Regedit4("# note\r\n[HKEY_CURRENT_USER\\A]\r\n\"b\"=hex:01,\\\r\n\r\n ; c\r\n  02\r\n"
                  "\"n\"=dword: \t0000002a\r\n") +
             std::string("\0\x1A", 2),
         u"L3 [HKEY_CURRENT_USER\\A]\nL4 \"b\"=3:01 02\nL8 \"n\"=4:2a 00 00 00\n"},
        {"UTF-16: a zero byte after the last line",
         Regedit5(u"[HKEY_CURRENT_USER\\A]\r\n\"n\"=\"v\"\r\n") + std::string(1, '\0'),
         u"L2 [HKEY_CURRENT_USER\\A]\nL3 \"n\"=1:\"v\\0\"\n"},
        {"UTF-16: any script in names and texts",
         Regedit5(u"\r\n[HKEY_CURRENT_USER\\Ω]\r\n\"ω1\"=\"Ωmega жук ✓\"\r\n"),
         u"L3 [HKEY_CURRENT_USER\\Ω]\nL4 \"ω1\"=1:\"Ωmega жук ✓\\0\"\n"},
        {"UTF-16: hex texts as they are, a zero added when missing",
         Regedit5(u"[HKEY_CURRENT_USER\\A]\r\n\"z\"=hex(1):61,00,00,00,62,00,00,00\r\n"
                  u"\"w\"=hex(1):a9,03\r\n"),
         u"L2 [HKEY_CURRENT_USER\\A]\nL3 \"z\"=1:\"a\\0b\\0\"\nL4 \"w\"=1:\"Ω\\0\"\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto result = regfile::ReadRegFile(c.file);
        ASSERT_TRUE(std::holds_alternative<regfile::RegFile>(result))
            << std::get<regfile::RegFileError>(result).line << ": "
            << std::get<regfile::RegFileError>(result).reason;
        EXPECT_EQ(Rendered(std::get<regfile::RegFile>(result)), c.read);
    }
}

TEST(RegFileReader, RefusesWhatItCannotReadInFullWithTheLine) {
    const std::string section = "[HKEY_CURRENT_USER\\A]\r\n";
    struct Case {
        const char* what;
        std::string file;
        std::size_t line;
    } cases[] = {
        {"an empty file", "", 1},
        {"random bytes", "\x89PNG\r\n\x1A\n\x00\x01", 1},
        {"a header with more after it", "REGEDIT4 \r\n", 1},
        {"the old header", "REGEDIT\r\n", 1},
        {"UTF-8 with its mark", "\xEF\xBB\xBFREGEDIT4\r\n", 1},
        {"the new header in code page 1252", "Windows Registry Editor Version 5.00\r\n", 1},
        {"the old header in UTF-16", Utf16File(u"REGEDIT4\r\n"), 1},
        {"a value before any key", Regedit4("\r\n\"n\"=\"v\"\r\n"), 3},
        {"a value after a deleted key", Regedit4("[-HKEY_CURRENT_USER\\A]\r\n\"n\"=\"v\"\r\n"), 3},
        {"a line of something else", Regedit4(section + "\r\nRun=evil.exe\r\n"), 4},
        {"a key without its bracket", Regedit4("[HKEY_CURRENT_USER\\A\r\n"), 2},
        {"a blank after the bracket", Regedit4("[ HKEY_CURRENT_USER\\A]\r\n"), 2},
        {"an unknown root", Regedit4("[HKEY_OTHER\\A]\r\n"), 2},
        {"a root that only begins like one", Regedit4("[HKEY_CURRENT_USERS\\A]\r\n"), 2},
        {"more after the key", Regedit4("[HKEY_CURRENT_USER\\A] x\r\n"), 2},
        {"a name without its closing quote", Regedit4(section + "\"n=\"v\r\n"), 3},
        {"no equals sign", Regedit4(section + "\"n\" \"v\"\r\n"), 3},
        {"a text cut off", Regedit4(section + "\"n\"=\"Hal"), 3},
        {"an unknown escape", Regedit4(section + "\"n\"=\"a\\tb\"\r\n"), 3},
        {"more after a text", Regedit4(section + "\"n\"=\"v\" x\r\n"), 3},
        {"more after a deletion", Regedit4(section + "\"n\"=-x\r\n"), 3},
        {"an unknown type", Regedit4(section + "\"n\"=DWORD:1\r\n"), 3},
        {"nine digits", Regedit4(section + "\"n\"=dword:123456789\r\n"), 3},
        {"no digits", Regedit4(section + "\"n\"=dword:\r\n"), 3},
        {"a bad byte", Regedit4(section + "\"n\"=hex:01,zz\r\n"), 3},
        {"three digits", Regedit4(section + "\"n\"=hex:001\r\n"), 3},
        {"bytes without commas", Regedit4(section + "\"n\"=hex:01 02\r\n"), 3},
        {"two commas", Regedit4(section + "\"n\"=hex:01,,02\r\n"), 3},
        {"a continuation without a comma", Regedit4(section + "\"n\"=hex:01\\\r\n  02\r\n"), 3},
        {"a file that ends in a continuation", Regedit4(section + "\"n\"=hex:01,\\\r\n"), 3},
        {"a continuation by a value", Regedit4(section + "\"n\"=hex:01,\\\r\n\"m\"=\"v\"\r\n"), 4},
        {"a bad type number", Regedit4(section + "\"n\"=hex(1x):00\r\n"), 3},
        {"an empty type number", Regedit4(section + "\"n\"=hex():00\r\n"), 3},
        {"a zero in a line", Regedit4(section + std::string("\"n\"=\"a\0b\"\r\n", 11)), 3},
        {"UTF-16 cut in a character",
         WithoutLastByte(Regedit5(u"[HKEY_CURRENT_USER\\A]\r\n\"n\"=\"v\"")), 3},
        {"UTF-16 text of an odd number of bytes",
         Regedit5(u"[HKEY_CURRENT_USER\\A]\r\n\"n\"=hex(1):61,00,62\r\n"), 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto result = regfile::ReadRegFile(c.file);
        ASSERT_TRUE(std::holds_alternative<regfile::RegFileError>(result))
            << "read although it cannot be read in full";
        const auto& error = std::get<regfile::RegFileError>(result);
        EXPECT_EQ(error.line, c.line) << error.reason;
        EXPECT_FALSE(error.reason.empty());
    }
}

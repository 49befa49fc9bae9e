// The real registry editor and this program's registry files: every form the UTF-16 writer
// writes comes back byte for byte, and odd files imported the way the import does (planned,
// then the plan's own file handed to the editor) leave the macro key exactly as planned.
#include "macros/ImportPlan.h"
#include "platform/Services.h"
#include "platform/Utf16Text.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "regfile/Utf16Writer.h"
#include "settings/Layout.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using platform::Hive;
using platform::RegTreeKey;
using platform::RegTreeValue;

struct RealServices {
    platform::win32::Win32Registry registry;
    platform::win32::Win32Files files;
    platform::win32::Win32Shell shell;
    platform::InstalledServices installed{platform::ServicesOf(*this, platform::Installed())};
};

std::vector<std::uint8_t> Utf16(std::u16string_view text) {
    return platform::Utf16LeBytes(text);
}

// Writes the file into the temporary folder and lets the registry editor import it.
void Import(RealServices& real, const std::string& file) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::u16string path = platform::win32::Utf16Of(temp) + u"tsetup-editor.reg";
    ASSERT_EQ(real.files.WriteReplacing(path, file), 0u);
    std::uint32_t exitCode = 0;
    ASSERT_EQ(real.shell.RunAndWait("REGEDIT.EXE", u"\"" + path + u"\"", exitCode), 0u);
    EXPECT_EQ(exitCode, 0u);
    real.files.Delete(path);
}

std::vector<RegTreeKey> Read(RealServices& real, const std::string& path) {
    std::vector<RegTreeKey> keys;
    const auto status = real.registry.ReadTree(Hive::CurrentUser, path, keys);
    EXPECT_TRUE(status == platform::kRegOk || status == platform::kRegFileNotFound) << status;
    return status == platform::kRegOk ? keys : std::vector<RegTreeKey>{};
}

} // namespace

TEST(RegistryEditorWin32, ReadsEveryFormTheWriterWritesByteForByte) {
    RealServices real;
    const std::string key = "Software\\TSetupTest\\Editor";
    const std::u16string root = u"Software\\TSetupTest\\Editor";
    real.registry.WriteTree(
        Hive::CurrentUser, key,
        {{root, {{u"alt", 1, Utf16(std::u16string(u"weg\0", 4))}}}, {root + u"\\Alt", {}}});
    std::vector<RegTreeValue> values;
    for (std::uint32_t type : {0u, 1u, 2u, 3u, 4u, 7u, 11u, 0xFFFF0000u}) {
        values.push_back({u"leer " + platform::Utf16FromCp1252(std::to_string(type)), type, {}});
    }
    const std::u16string longText(5000, u'ü');
    values.insert(values.end(),
                  {{u"", 1, Utf16(std::u16string(u"Vorgabe\0", 8))},
                   {u"\"Zitat\" \\ Ωmega жук", 1, Utf16(u"a \"b\" \\ ✓" + std::u16string(1, 0))},
                   {u"Nullen", 1, Utf16(std::u16string(u"a\0b\0", 4))},
                   {u"Zeilen", 1, Utf16(std::u16string(u"a\r\nb\0", 5))},
                   {u"lang", 1, Utf16(longText + std::u16string(1, 0))},
                   {u"mehrere", 7, Utf16(std::u16string(u"x\0y\0\0", 5))},
                   {u"zahl", 4, {0xEF, 0xBE, 0xAD, 0xDE}},
                   {u"bytes", 3, std::vector<std::uint8_t>(100, 0xAB)}});
    const std::vector<RegTreeKey> expected = {{root, values},
                                              {root + u"\\Ωmega", {{u"v", 4, {7, 0, 0, 0}}}},
                                              {root + u"\\Ωmega\\Tief", {}}};
    // The key deleted first, its values and subkeys written, and a value written then deleted.
    regfile::RegFile file = regfile::ReplacingKey(root, expected);
    file.sections[1].changes.push_back({0, false, {u"weg", 4, {1, 0, 0, 0}}});
    file.sections[1].changes.push_back({0, true, {u"weg", 0, {}}});
    const auto bytes = regfile::WriteUtf16(file);
    ASSERT_TRUE(bytes.has_value());
    Import(real, *bytes);
    EXPECT_TRUE(macros::SameMacroKey(Read(real, key), expected));
    real.registry.DeleteKey(Hive::CurrentUser, "Software\\TSetupTest");
}

// Odd files, and the fuzz corpus of the reader (the folder in TSETUP_REGFILE_CORPUS, when
// set): each planned over a stored macro key, the plan's file imported by the registry
// editor, and the key read back as planned.
TEST(RegistryEditorWin32, OddFilesImportedThroughThePlanArriveAsPlanned) {
    RealServices real;
    const std::u16string macroKey = platform::Utf16FromCp1252(settings::kMacroKey);
    const std::vector<RegTreeKey> stored = {
        {macroKey,
         {{u"0008004A", 1, Utf16(std::u16string(u"Hallo\0", 6))},
          {u"00080041", 1, Utf16(std::u16string(u"Ωmega жук\0", 10))},
          {u"Note", 4, {1, 0, 0, 0}}}},
        {macroKey + u"\\Sub", {{u"v", 3, {7}}}},
    };
    const std::string key = "HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr";
    const std::string section = "[" + key + "]\r\n";
    std::vector<std::pair<std::string, std::string>> files = {
        {"the key deleted, two macros and empty hex data before a comment",
         "REGEDIT4\r\n\r\n[-" + section.substr(1) + section +
             "\"00080041\"=\"a\"\r\n\"00080042\"=\"b\"\r\n\"x\"=hex(1):;\r\n\"y\"=hex(2):;\r\n"
             "\"z\"=hex(7): ; c\r\n"},
        {"a short name, code page 1252, blanks and comments where the editors take them",
         "REGEDIT4\r\n# Kommentar\r\n" + section +
             "\"8004a\"=\"\xE8 \xA4\"\r\n\"b\"=hex:01,\\\r\n\r\n ; dazwischen\r\n  02\r\n"
             "\"n\"=dword:  0000002a\r\n" +
             std::string("\0\x1A", 2)},
        {"names with quotes and backslashes, a subkey deleted, one made",
         "REGEDIT4\r\n" + section + "\"a\\\"b\\\\c\"=\"\\\"x\\\"\"\r\n[-" + key + "\\Sub]\r\n[" +
             key + "\\Neu\\Tief]\r\n@=\"v\"\r\n"},
        {"values deleted and a macro turned into a number",
         "REGEDIT4\r\n" + section + "\"Note\"=-\r\n\"0008004a\"=dword:1\r\n\"fehlt\"=-\r\n"},
    };
    if (const char* corpus = std::getenv("TSETUP_REGFILE_CORPUS")) {
        const std::u16string folder = platform::Utf16FromCp1252(corpus);
        for (const std::u16string& name : real.files.List(folder, u"*")) {
            std::string bytes;
            ASSERT_EQ(real.files.Read(folder + u"\\" + name, bytes, 1 << 20), 0u);
            files.emplace_back(platform::Cp1252FromUtf16(name), bytes);
        }
    }
    const std::size_t ownFiles = 4;
    std::size_t planned = 0;
    std::size_t plannedOfCorpus = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto& [what, bytes] = files[i];
        SCOPED_TRACE(what);
        ASSERT_EQ(real.registry.WriteTree(Hive::CurrentUser, settings::kMacroKey, stored), 0u);
        const auto plan = macros::PlanMacroImport(bytes, stored);
        if (!std::holds_alternative<macros::ImportPlan>(plan)) {
            continue;
        }
        ++planned;
        plannedOfCorpus += i >= ownFiles ? 1 : 0;
        Import(real, std::get<macros::ImportPlan>(plan).editorFile);
        EXPECT_TRUE(macros::SameMacroKey(Read(real, settings::kMacroKey),
                                         std::get<macros::ImportPlan>(plan).expected));
    }
    EXPECT_GE(planned, ownFiles);
    if (files.size() > ownFiles) {
        EXPECT_GT(plannedOfCorpus, 0u) << "no file of the corpus was imported";
    }
    real.registry.DeleteKey(Hive::CurrentUser, "Software\\Velmark");
}

// The export file, the replacing write, the clipboard and version resources on the real
// system: what the registry editor makes of an exported key, what survives a failed write.
#include "macros/MacroExportFile.h"
#include "platform/Services.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32VersionInfo.h"
#include "settings/Registry.h"
#include "ui/DriverVersion.h"
#include "win32/DriverProcess.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using platform::win32::Narrow;
using platform::win32::Utf16Of;
using platform::win32::Wide;
using platform::win32::WideOf;

constexpr const char* kTestKey = "Software\\TSetupTest\\RegEditFile";

// The real services this file needs, installed for one test.
struct RealServices {
    platform::win32::Win32Registry registry;
    platform::win32::Win32Files files;
    platform::win32::Win32Shell shell;
    platform::win32::Win32Clipboard clipboard;
    platform::win32::Win32VersionInfo versionInfo;
    platform::InstalledServices installed{platform::ServicesOf(*this, platform::Installed())};
};

// A fresh folder of its own under the temporary folder, removed with what it holds.
struct TempFolder {
    std::u16string path;
    TempFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path = Utf16Of(std::wstring(temp) + L"tsetup-" + std::to_wstring(GetCurrentProcessId()) +
                       L"-" + std::to_wstring(GetTickCount64()));
        CreateDirectoryW(WideOf(path).c_str(), nullptr);
    }
    ~TempFolder() {
        for (const std::u16string& name : Names()) {
            DeleteFileW(WideOf(path + u"\\" + name).c_str());
        }
        RemoveDirectoryW(WideOf(path).c_str());
    }
    std::vector<std::u16string> Names() const {
        platform::win32::Win32Files files;
        return files.List(path, u"*");
    }
};

std::string ReadFileBytes(const std::u16string& path) {
    platform::win32::FileHandle file(CreateFileW(WideOf(path).c_str(), GENERIC_READ,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                 OPEN_EXISTING, 0, nullptr));
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (file && ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    return bytes;
}

// Printable characters of code page 1252 (the five unassigned bytes left out), CR and LF.
std::string RandomText(std::mt19937& random) {
    static const std::string alphabet = [] {
        std::string chars = "\r\n";
        for (int c = 0x20; c <= 0xFF; ++c) {
            if (c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) {
                continue;
            }
            chars += static_cast<char>(c);
        }
        return chars;
    }();
    std::uniform_int_distribution<std::size_t> length(0, 60);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text(length(random), ' ');
    for (char& c : text) {
        c = alphabet[pick(random)];
    }
    return text;
}

} // namespace

TEST(RegEditFileWin32,
     TheRegistryEditorImportsAThousandRandomTextsByteForByteAndABackupRestoresTheKey) {
    ASSERT_EQ(GetACP(), 1252u);
    RealServices real;
    TempFolder folder;
    std::mt19937 random(10);
    std::map<std::string, std::string> written;
    real.registry.DeleteKey(platform::Hive::CurrentUser, kTestKey);
    {
        settings::TRegistry key;
        ASSERT_TRUE(key.OpenKey(kTestKey, true));
        std::vector<std::pair<std::string, platform::RegValue>> values;
        for (int i = 0; i < 1000; ++i) {
            char name[9];
            std::snprintf(name, sizeof name, "%08X", static_cast<unsigned>(0x00080000 + i));
            const std::string text = RandomText(random);
            values.emplace_back(name,
                                platform::RegValue(platform::TypeNumber(platform::RegType::Sz),
                                                   {text.begin(), text.end()}));
            written[name] = text;
        }
        key.WriteTexts(values);
    }
    std::string file = "REGEDIT4\r\n\r\n";
    settings::TRegistry exporter;
    macros::ExportKeyToFile(file, exporter, kTestKey);
    file += "\r\n";
    const std::u16string path = folder.path + u"\\import.reg";
    ASSERT_EQ(real.files.WriteReplacing(path, file), 0u);

    real.registry.DeleteKey(platform::Hive::CurrentUser, kTestKey);
    std::uint32_t exitCode = 0;
    ASSERT_EQ(real.shell.RunAndWait("REGEDIT.EXE", u"\"" + path + u"\"", exitCode), 0u);

    std::map<std::string, std::string> imported;
    settings::TRegistry reader;
    ASSERT_TRUE(reader.OpenKey(kTestKey, false));
    for (const auto& [name, value] : reader.GetValues()) {
        EXPECT_EQ(value.type, static_cast<std::uint32_t>(platform::RegType::Sz)) << name;
        imported[name] = settings::TRegistry::TextOf(value);
    }
    reader.CloseKey();

    // A file that replaces the key brings it back exactly: a value added since goes.
    const std::string backup = macros::RegEditFileOfKey(kTestKey, true);
    {
        settings::TRegistry key;
        ASSERT_TRUE(key.OpenKey(kTestKey, false));
        key.WriteString("zusatz", "x");
        key.WriteString(written.begin()->first, "changed");
    }
    ASSERT_EQ(real.files.WriteReplacing(path, backup), 0u);
    ASSERT_EQ(real.shell.RunAndWait("REGEDIT.EXE", u"\"" + path + u"\"", exitCode), 0u);
    settings::TRegistry restored;
    ASSERT_TRUE(restored.OpenKey(kTestKey, false));
    EXPECT_FALSE(restored.ValueExists("zusatz"));
    EXPECT_EQ(restored.ReadString(written.begin()->first), written.begin()->second);
    EXPECT_EQ(restored.GetValues().size(), written.size());
    restored.CloseKey();
    real.registry.DeleteKey(platform::Hive::CurrentUser, "Software\\TSetupTest");
    EXPECT_EQ(imported.size(), written.size());
    int different = 0;
    for (const auto& [name, text] : written) {
        if (imported[name] != text && ++different <= 5) {
            ADD_FAILURE() << name << " came back different";
        }
    }
    EXPECT_EQ(different, 0);
}

TEST(FilesWin32, AFailedWriteLeavesTheEarlierFileAndNoPartOfTheNewOne) {
    RealServices real;
    TempFolder folder;
    const std::u16string target = folder.path + u"\\Tastor32 Makros.reg";
    struct Case {
        const char* what;
        bool lockTarget;
        std::u16string path;
        bool succeeds;
        std::string content;
    } cases[] = {
        {"a free file is replaced", false, target, true, "neu"},
        {"a file another program holds stays", true, target, false, "alt"},
        {"a folder that is gone", false, folder.path + u"\\weg\\x.reg", false, "alt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(real.files.WriteReplacing(target, "alt"), 0u);
        platform::win32::FileHandle holder;
        if (c.lockTarget) {
            holder.Reset(CreateFileW(WideOf(target).c_str(), GENERIC_READ, 0, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
            ASSERT_TRUE(holder);
        }
        const std::uint32_t error = real.files.WriteReplacing(c.path, "neu");
        holder.Reset();
        EXPECT_EQ(error == 0, c.succeeds) << error;
        if (!c.succeeds) {
            EXPECT_FALSE(real.files.ErrorText(error).empty());
        }
        EXPECT_EQ(ReadFileBytes(target), c.content);
        EXPECT_EQ(folder.Names(), std::vector<std::u16string>{u"Tastor32 Makros.reg"});
    }
}

TEST(ClipboardWin32, AnsiAndUnicodeReadersGetTheSameCharacters) {
    RealServices real;
    const std::string text = "AltGr+ \xC4\t\x80 \"x\"\r\nF1\t\xDF";
    ASSERT_TRUE(real.clipboard.SetText(text));
    ASSERT_TRUE(OpenClipboard(nullptr));
    const HANDLE ansi = GetClipboardData(CF_TEXT);
    const HANDLE unicode = GetClipboardData(CF_UNICODETEXT);
    const std::string ansiText = ansi ? static_cast<const char*>(GlobalLock(ansi)) : "";
    const std::wstring unicodeText =
        unicode ? static_cast<const wchar_t*>(GlobalLock(unicode)) : L"";
    if (ansi) {
        GlobalUnlock(ansi);
    }
    if (unicode) {
        GlobalUnlock(unicode);
    }
    CloseClipboard();
    EXPECT_EQ(ansiText, text);
    EXPECT_EQ(unicodeText, L"AltGr+ \u00C4\t\u20AC \"x\"\r\nF1\t\u00DF");
}

TEST(VersionInfoWin32, TheDriversFirstTranslationGivesItsFileVersion) {
    RealServices real;
    const std::string driver = Narrow(drivertest::TestDirectory()) + "Tastor32.exe";
    const auto block = real.versionInfo.Read(driver);
    ASSERT_TRUE(block);
    EXPECT_EQ(real.versionInfo.Translations(*block),
              (std::vector<std::uint32_t>{0x04E40407, 0x04B00409}));
    EXPECT_EQ(ui::GetVersionInfoString(driver, "FileVersion"), "2.0.1");
    EXPECT_EQ(real.versionInfo.Text(*block, "\\StringFileInfo\\\\FileVersion"), std::nullopt);
    EXPECT_EQ(ui::GetVersionInfoString(driver + ".missing", "FileVersion"), "");
}

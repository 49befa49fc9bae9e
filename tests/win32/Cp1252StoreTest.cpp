// Texts written through the settings store arrive in the registry as the characters the
// program meant, whatever the system's ANSI code page: the registry editor shows them.
#include "platform/Services.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Registry.h"
#include "settings/Names.h"
#include "settings/SettingsStore.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

std::wstring ReadUtf16File(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::wstring text(bytes.size() / 2, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return text;
}

bool RunAndWait(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    platform::win32::KernelHandle thread(process.hThread);
    platform::win32::KernelHandle owner(process.hProcess);
    return WaitForSingleObject(owner.Get(), 60000) == WAIT_OBJECT_0;
}

} // namespace

TEST(Cp1252Store, TextsWrittenThroughTheStoreReadBackFromTheRegistryEditor) {
    ASSERT_EQ(GetACP(), 1252u);
    struct {
        platform::win32::Win32Registry registry;
    } real;
    platform::win32::Win32Registry& registry = real.registry;
    std::optional<platform::InstalledServices> installed(
        std::in_place, platform::ServicesOf(real, platform::Installed()));
    registry.DeleteKey(platform::Hive::CurrentUser, "Software\\Velmark");
    settings::TSettingsStore().ForWriting().WriteOptionString(settings::optDecimalDot, "ß ü € Ä");

    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring file = std::wstring(folder) + L"tsetup-cp1252.reg";
    DeleteFileW(file.c_str());
    ASSERT_TRUE(RunAndWait(L"regedit.exe /e \"" + file +
                           L"\" \"HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Settings\""));
    const std::wstring exported = ReadUtf16File(file);
    DeleteFileW(file.c_str());
    registry.DeleteKey(platform::Hive::CurrentUser, "Software\\Velmark");
    installed.reset();

    EXPECT_NE(exported.find(L"\"DecimalDot\"=\"\u00DF \u00FC \u20AC \u00C4\""), std::wstring::npos);
}

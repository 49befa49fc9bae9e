// The driver control with the real system services under Wine: messages reach the stand-in
// driver, the driver's program file is started from "HomeDir" or from beside this program,
// and the autostart value is written to and deleted from the real registry.

#include "driver/DriverControl.h"
#include "platform/Services.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32Windows.h"
#include "settings/Layout.h"
#include "settings/SettingsStore.h"
#include "win32/DriverProcess.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using drivertest::Contains;
using drivertest::Driver;
using drivertest::WaitFor;
using platform::win32::KeyHandle;
using platform::win32::Narrow;
using platform::win32::Wide;

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kSettingsKey[] = L"Software\\Velmark\\Tastor32\\Settings";
constexpr wchar_t kVelmarkKey[] = L"Software\\Velmark";

// A registry value as stored, read with the registry API directly.
struct StoredValue {
    DWORD type = 0;
    std::vector<BYTE> data;
};

bool KeyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    KeyHandle owner(key);
    return true;
}

std::optional<StoredValue> ReadStored(const wchar_t* path, const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    KeyHandle owner(key);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    StoredValue value{type, std::vector<BYTE>(size)};
    if (RegQueryValueExW(key, name, nullptr, &type, value.data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    return value;
}

// Puts a value back as it was before a test: written again, or deleted when it was missing.
void RestoreStored(const wchar_t* path, const wchar_t* name,
                   const std::optional<StoredValue>& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
        return;
    }
    KeyHandle owner(key);
    if (value) {
        RegSetValueExW(key, name, 0, value->type, value->data.data(),
                       static_cast<DWORD>(value->data.size()));
    } else {
        RegDeleteValueW(key, name);
    }
}

// The text of a REG_SZ value read directly; nothing when missing or of another type.
std::optional<std::wstring> ReadStoredText(const wchar_t* path, const wchar_t* name) {
    auto value = ReadStored(path, name);
    if (!value || value->type != REG_SZ || value->data.size() % sizeof(wchar_t) != 0) {
        return std::nullopt;
    }
    std::wstring text(reinterpret_cast<const wchar_t*>(value->data.data()),
                      value->data.size() / sizeof(wchar_t));
    if (!text.empty() && text.back() == L'\0') {
        text.pop_back();
    }
    return text;
}

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The program file of the process that owns the window, empty when it cannot be told.
std::wstring ImageOfWindowOwner(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    platform::win32::KernelHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) {
        return std::wstring();
    }
    wchar_t path[MAX_PATH * 2];
    DWORD size = MAX_PATH * 2;
    if (!QueryFullProcessImageNameW(process.Get(), 0, path, &size)) {
        return std::wstring();
    }
    return std::wstring(path, size);
}

HWND AnyDriverWindow() {
    return FindWindowW(L"Tastor32", L"Tastor32");
}

// A folder of its own below the temporary folder, removed with its files at the end.
class TempFolder {
public:
    TempFolder() {
        wchar_t temp[MAX_PATH + 1];
        const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
        path_ = std::wstring(temp, length) + L"tastor32-home-" +
                std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter_) + L"\\";
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        for (const auto& file : files_) {
            DeleteFileW((path_ + file).c_str());
        }
        RemoveDirectoryW(path_.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool CopyIn(const std::wstring& source, const std::wstring& name) {
        files_.push_back(name);
        return CopyFileW(source.c_str(), (path_ + name).c_str(), FALSE) != FALSE;
    }
    // With the trailing backslash.
    const std::wstring& Path() const { return path_; }

private:
    static inline int counter_ = 0;
    std::wstring path_;
    std::vector<std::wstring> files_;
};

// The real services installed for the test, the settings store open, and everything the
// test changes in the registry or starts put back or ended afterwards.
class DriverControlWin32 : public testing::Test {
protected:
    void SetUp() override {
        velmarkExisted_ = KeyExists(kVelmarkKey);
        homeDir_ = ReadStored(kSettingsKey, L"HomeDir");
        runValue_ = ReadStored(kRunKey, L"Tastor32");
        store_.emplace();
        // Nothing of an earlier test may still be around.
        ASSERT_TRUE(WaitFor([] { return AnyDriverWindow() == nullptr; }));
    }
    void TearDown() override {
        drivertest::EndChildDrivers();
        store_.reset();
        if (velmarkExisted_) {
            RestoreStored(kSettingsKey, L"HomeDir", homeDir_);
        } else {
            RegDeleteTreeW(HKEY_CURRENT_USER, kVelmarkKey);
            RegDeleteKeyW(HKEY_CURRENT_USER, kVelmarkKey);
        }
        RestoreStored(kRunKey, L"Tastor32", runValue_);
    }

    void SetHomeDir(const std::optional<std::wstring>& dir) {
        if (dir) {
            store_->ForWriting().WriteString(settings::kHomeDirValue, Narrow(*dir));
        } else {
            store_->ForWriting().DeleteValue(settings::kHomeDirValue);
        }
    }
    settings::TSettingsStore& Store() { return *store_; }

private:
    struct {
        platform::win32::Win32Registry registry;
        platform::win32::Win32Windows windows;
        platform::win32::Win32Processes processes;
        platform::win32::Win32System system;
    } real_;
    platform::InstalledServices installed_{platform::ServicesOf(real_, platform::Installed())};
    std::optional<settings::TSettingsStore> store_;
    bool velmarkExisted_ = false;
    std::optional<StoredValue> homeDir_;
    std::optional<StoredValue> runValue_;
};

TEST_F(DriverControlWin32, MessagesArriveWithNumberAndParameters) {
    Driver driver;
    ASSERT_TRUE(driver.Started());
    const platform::WindowId window = driver.WaitForWindow();
    ASSERT_NE(window, 0u);
    EXPECT_EQ(driver::FindDriverWindow(), window);
    EXPECT_TRUE(driver::IsDriverRunning());

    struct Case {
        std::uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        bool send;
        const char* line;
    };
    const Case cases[] = {
        {driver::WM_RELOADSETTINGS, 0, 0, false, "1125 0 0"},
        {driver::WM_SETTINGSOPENING, 0, 0, false, "1132 0 0"},
        {driver::WM_SETTINGSOPENED, 0, 0, true, "1131 0 0"},
        {driver::WM_DRIVERUNINSTALL, 0, 0, false, "1126 0 0"},
        {driver::WM_SETTINGSOPENING, 255, 7, false, "1132 255 7"},
        {driver::WM_SETTINGSOPENED, 3, -4, true, "1131 3 -4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        if (c.send) {
            EXPECT_TRUE(driver::SendToDriver(c.message, c.wParam, c.lParam));
            // Handled when the call returns: the driver writes the line before it answers.
            EXPECT_TRUE(Contains(driver.Lines(), c.line));
        } else {
            EXPECT_TRUE(driver::PostToDriver(c.message, c.wParam, c.lParam));
        }
    }
    for (const Case& c : cases) {
        EXPECT_TRUE(driver.WaitForLine(c.line)) << c.line;
    }
}

TEST_F(DriverControlWin32, QuitPostedToTheDriverEndsIt) {
    Driver driver;
    ASSERT_TRUE(driver.Started());
    ASSERT_NE(driver.WaitForWindow(), 0u);
    EXPECT_TRUE(driver::PostToDriver(driver::kWmQuit, 0, 0));
    DWORD exitCode = STILL_ACTIVE;
    EXPECT_TRUE(driver.WaitForExit(&exitCode));
    EXPECT_TRUE(Contains(driver.Lines(), "18 0 0"));
    EXPECT_TRUE(WaitFor([] { return !driver::IsDriverRunning(); }));
}

TEST_F(DriverControlWin32, WithoutADriverNothingIsSentAndNothingFails) {
    EXPECT_EQ(driver::FindDriverWindow(), 0u);
    EXPECT_FALSE(driver::IsDriverRunning());
    EXPECT_FALSE(driver::PostToDriver(driver::WM_RELOADSETTINGS, 0, 0));
    EXPECT_FALSE(driver::PostToDriver(driver::kWmQuit, 0, 0));
    EXPECT_FALSE(driver::SendToDriver(driver::WM_SETTINGSOPENED, 0, 0));
}

TEST_F(DriverControlWin32, SendToADriverThatStoppedAnsweringReturns) {
    Driver driver(L"/hang");
    ASSERT_TRUE(driver.Started());
    ASSERT_NE(driver.WaitForWindow(), 0u);
    // A short limit of its own: the program's ten seconds are not waited for here.
    EXPECT_FALSE(driver::SendToDriver(driver::WM_SETTINGSOPENED, 0, 0, 500));
    EXPECT_TRUE(driver.WaitForLine("1131 0 0"));
    // Posting never waits.
    EXPECT_TRUE(driver::PostToDriver(driver::WM_RELOADSETTINGS, 0, 0));
}

TEST_F(DriverControlWin32, StartDriverStartsTheFileNamedByHomeDir) {
    const std::wstring buildDir = drivertest::TestDirectory(); // ends with a backslash
    TempFolder home;
    ASSERT_TRUE(home.CopyIn(buildDir + L"Tastor32.exe", L"Tastor32.exe"));
    const std::wstring homeDir = home.Path();

    struct Case {
        const char* name;
        std::optional<std::wstring> homeDir;
        std::wstring image; // the program file that must run
    };
    const Case cases[] = {
        {"build folder without backslash", buildDir.substr(0, buildDir.size() - 1),
         buildDir + L"Tastor32.exe"},
        {"build folder with backslash", buildDir, buildDir + L"Tastor32.exe"},
        {"other folder without backslash", homeDir.substr(0, homeDir.size() - 1),
         homeDir + L"Tastor32.exe"},
        {"other folder with backslash", homeDir, homeDir + L"Tastor32.exe"},
        {"missing: beside this program", std::nullopt, buildDir + L"Tastor32.exe"},
        {"empty: beside this program", L"", buildDir + L"Tastor32.exe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetHomeDir(c.homeDir);
        EXPECT_EQ(Wide(driver::DriverExePath(Store())), c.image);

        const std::wstring log = drivertest::UniqueLogPath();
        {
            drivertest::ScopedEnvironment logName(L"TASTOR32_LOG", log);
            EXPECT_TRUE(driver::StartDriver(Store()));
        }
        HWND window = nullptr;
        const bool running = WaitFor([&] {
            window = AnyDriverWindow();
            return window != nullptr && Contains(drivertest::ReadLines(log), "started");
        });
        EXPECT_TRUE(running) << "window: " << (window != nullptr ? "found" : "none")
                             << ", log lines: " << drivertest::ReadLines(log).size();
        if (window != nullptr) {
            EXPECT_EQ(Lower(ImageOfWindowOwner(window)), Lower(c.image));
        }
        EXPECT_TRUE(driver::IsDriverRunning());

        drivertest::EndChildDrivers();
        EXPECT_TRUE(WaitFor([] { return AnyDriverWindow() == nullptr; }));
        DeleteFileW(log.c_str());
    }
}

TEST_F(DriverControlWin32, StartDriverWithoutTheFileFails) {
    TempFolder empty;
    SetHomeDir(empty.Path());
    EXPECT_EQ(Wide(driver::DriverExePath(Store())), empty.Path() + L"Tastor32.exe");
    EXPECT_FALSE(driver::StartDriver(Store()));
    EXPECT_FALSE(driver::IsDriverRunning());
}

TEST_F(DriverControlWin32, AutostartValueIsWrittenAndDeleted) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tastor32");
    EXPECT_FALSE(driver::IsAutostartSet());

    const std::wstring command = drivertest::TestDirectory() + L"Tastor32.exe";
    EXPECT_EQ(Wide(driver::AutostartCommand()), command);
    EXPECT_TRUE(driver::SetAutostart(true));
    auto stored = ReadStored(kRunKey, L"Tastor32");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(ReadStoredText(kRunKey, L"Tastor32"), command);
    EXPECT_TRUE(driver::IsAutostartSet());

    // Written again, the value is replaced.
    EXPECT_TRUE(driver::SetAutostart("Tastor32", "C:\\Andere Stelle\\Tastor32.exe", true));
    EXPECT_EQ(ReadStoredText(kRunKey, L"Tastor32"), L"C:\\Andere Stelle\\Tastor32.exe");

    EXPECT_TRUE(driver::SetAutostart(false));
    EXPECT_FALSE(ReadStored(kRunKey, L"Tastor32").has_value());
    EXPECT_FALSE(driver::IsAutostartSet());
    // Nothing left to delete.
    EXPECT_FALSE(driver::SetAutostart(false));
}

} // namespace

// The stand-in driver under Wine, addressed through the program's window service the way the
// settings program addresses the real driver: found by class and title, posted to, sent to.

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Windows.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using platform::WindowId;
using platform::win32::KernelHandle;
using platform::win32::Win32Windows;

constexpr DWORD kDeadlineMs = 15000;
constexpr DWORD kPollMs = 20;

std::wstring TestDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length > 0 && length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    path.resize(path.find_last_of(L'\\') + 1);
    return path;
}

// A log file name not used before by any run.
std::wstring UniqueLogPath() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    std::wstring path(temp, length);
    path += L"tastor32-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++counter) + L".log";
    return path;
}

std::vector<std::string> ReadLines(const std::wstring& path) {
    std::vector<std::string> lines;
    // Opened with full sharing: the driver keeps the file open for writing.
    platform::win32::FileHandle file(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, 0, nullptr));
    if (!file) {
        return lines;
    }
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
        content.append(buffer, got);
    }
    std::istringstream stream(content);
    std::string line;
    while (std::getline(stream, line)) {
        lines.push_back(line);
    }
    return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    for (const auto& each : lines) {
        if (each == line) {
            return true;
        }
    }
    return false;
}

template <class Condition> bool WaitFor(Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + kDeadlineMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(kPollMs);
    }
}

// The driver window that belongs to the given process, or null.
HWND DriverWindowOf(DWORD processId) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"Tastor32", L"Tastor32")) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) {
            return window;
        }
    }
    return nullptr;
}

// One run of the stand-in driver; ended by the test or, at the latest, by the destructor.
class Driver {
public:
    explicit Driver(const std::wstring& options = L"") : log_(UniqueLogPath()) {
        const std::wstring exe = TestDirectory() + L"Tastor32.exe";
        std::wstring commandLine = L"\"" + exe + L"\" " + options;
        // The child inherits this environment.
        SetEnvironmentVariableW(L"TASTOR32_LOG", log_.c_str());
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION created{};
        if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &created)) {
            process_.Reset(created.hProcess);
            KernelHandle thread(created.hThread);
            id_ = created.dwProcessId;
        }
        SetEnvironmentVariableW(L"TASTOR32_LOG", nullptr);
    }
    ~Driver() {
        if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.Get(), 1);
            WaitForSingleObject(process_.Get(), kDeadlineMs);
        }
        DeleteFileW(log_.c_str());
    }
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    // Waits for the window and the "started" line.
    WindowId WaitForWindow() const {
        HWND window = nullptr;
        WaitFor([&] {
            window = DriverWindowOf(id_);
            return window != nullptr && Contains(Lines(), "started");
        });
        return reinterpret_cast<WindowId>(window);
    }
    std::vector<std::string> Lines() const { return ReadLines(log_); }
    bool WaitForLine(const std::string& line) const {
        return WaitFor([&] { return Contains(Lines(), line); });
    }
    bool WaitForExit(DWORD* exitCode) const {
        if (WaitForSingleObject(process_.Get(), kDeadlineMs) != WAIT_OBJECT_0) {
            return false;
        }
        return GetExitCodeProcess(process_.Get(), exitCode) != FALSE;
    }

private:
    std::wstring log_;
    KernelHandle process_;
    DWORD id_ = 0;
};

TEST(DriverWindowTest, MessagesArriveWithTheirParameters) {
    Driver driver;
    ASSERT_TRUE(driver.Started());
    const WindowId window = driver.WaitForWindow();
    ASSERT_NE(window, 0u);
    Win32Windows windows;

    struct Case {
        std::uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        const char* line;
    };
    const Case posted[] = {
        {1125, 0, 0, "1125 0 0"},
        {1126, 0, 0, "1126 0 0"},
        {1132, 0, 0, "1132 0 0"},
        {1132, 255, 0, "1132 255 0"},
        {1200, 4000000000u, -5, "1200 4000000000 -5"},
    };
    for (const Case& c : posted) {
        SCOPED_TRACE(c.line);
        EXPECT_TRUE(windows.Post(window, c.message, c.wParam, c.lParam));
    }
    for (const Case& c : posted) {
        EXPECT_TRUE(driver.WaitForLine(c.line)) << c.line;
    }
}

TEST(DriverWindowTest, SentMessageIsHandledWhenSendReturns) {
    Driver driver;
    ASSERT_TRUE(driver.Started());
    const WindowId window = driver.WaitForWindow();
    ASSERT_NE(window, 0u);
    Win32Windows windows;

    EXPECT_TRUE(windows.Post(window, 1125, 0, 0));
    ASSERT_TRUE(windows.Send(window, 1131, 0, 0, kDeadlineMs));
    // No waiting here: the driver wrote the line before it answered.
    EXPECT_TRUE(Contains(driver.Lines(), "1131 0 0"));
    // A message sent earlier than a posted one is handled first, so 1125 may follow.
    EXPECT_TRUE(driver.WaitForLine("1125 0 0"));
}

TEST(DriverWindowTest, SendToADriverThatStoppedAnsweringGivesUp) {
    Driver driver(L"/hang");
    ASSERT_TRUE(driver.Started());
    const WindowId window = driver.WaitForWindow();
    ASSERT_NE(window, 0u);
    Win32Windows windows;

    EXPECT_FALSE(windows.Send(window, 1131, 0, 0, 500));
    EXPECT_TRUE(driver.WaitForLine("1131 0 0"));
    // Posting never waits, whatever the receiver does.
    EXPECT_TRUE(windows.Post(window, 1125, 0, 0));
}

TEST(DriverWindowTest, FindNeedsBothClassAndTitle) {
    Driver driver;
    ASSERT_TRUE(driver.Started());
    const WindowId window = driver.WaitForWindow();
    ASSERT_NE(window, 0u);
    Win32Windows windows;

    struct Case {
        const char* className;
        const char* title;
        bool found;
    };
    const Case cases[] = {
        {"Tastor32", "Tastor32", true},   {"", "Tastor32", true}, // any class
        {"Tastor32x", "Tastor32", false}, {"Tastor3", "Tastor32", false},
        {"Tastor32", "Tastor32 ", false}, {"Tastor32", "", false},
        {"Tastor32", "Tastör32", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.className) + "/" + c.title);
        const WindowId found = windows.Find(c.className, c.title);
        EXPECT_EQ(found, c.found ? window : 0u);
    }
    EXPECT_EQ(windows.ClassName(window), "Tastor32");
}

TEST(DriverWindowTest, CloseAndQuitEndTheDriver) {
    struct Case {
        std::uint32_t message;
        const char* line;
    };
    const Case cases[] = {
        {WM_CLOSE, "16 0 0"},
        {WM_QUIT, "18 0 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Driver driver;
        ASSERT_TRUE(driver.Started());
        const WindowId window = driver.WaitForWindow();
        ASSERT_NE(window, 0u);
        Win32Windows windows;

        EXPECT_TRUE(windows.Post(window, c.message, 0, 0));
        DWORD exitCode = STILL_ACTIVE;
        EXPECT_TRUE(driver.WaitForExit(&exitCode));
        EXPECT_EQ(exitCode, 0u);
        EXPECT_TRUE(Contains(driver.Lines(), c.line));
        EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(window)));
    }
}

} // namespace

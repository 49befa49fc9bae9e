// The Win32 window, process, system and message-box services under Wine.

#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32Windows.h"
#include "win32/DriverProcess.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

using platform::WindowId;
using platform::win32::KernelHandle;
using platform::win32::Narrow;
using platform::win32::Wide;
using platform::win32::WindowHandle;

using drivertest::kDeadlineMs;
using drivertest::WaitFor;

std::string Unique(const char* stem) {
    return std::string(stem) + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount64());
}

std::wstring ExeDirectory() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring text(path, length);
    text.resize(text.find_last_of(L'\\') + 1);
    return text;
}

// A window class of this test, registered once per name.
class TestClass {
public:
    explicit TestClass(const std::string& name) : name_(Wide(name)) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = name_.c_str();
        atom_ = RegisterClassExW(&windowClass);
    }
    ~TestClass() {
        if (atom_ != 0) {
            UnregisterClassW(name_.c_str(), GetModuleHandleW(nullptr));
        }
    }
    TestClass(const TestClass&) = delete;
    TestClass& operator=(const TestClass&) = delete;
    bool Registered() const { return atom_ != 0; }
    WindowHandle Create(const std::string& title) const {
        return WindowHandle(CreateWindowExW(0, name_.c_str(), Wide(title).c_str(),
                                            WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
    }

private:
    std::wstring name_;
    ATOM atom_ = 0;
};

WindowId Id(const WindowHandle& window) {
    return reinterpret_cast<WindowId>(window.Get());
}

TEST(Win32WindowsTest, WalksDownToTheNextWindowOfTheSameClass) {
    const std::string className = Unique("TSetupTestClass-Ä");
    TestClass testClass(className);
    ASSERT_TRUE(testClass.Registered());
    TestClass otherClass(Unique("TSetupTestOther"));
    ASSERT_TRUE(otherClass.Registered());
    // Each new window goes on top: the last created is the highest.
    WindowHandle lower = testClass.Create(Unique("lower"));
    WindowHandle between = otherClass.Create(Unique("between"));
    const std::string title = Unique("Größe upper");
    WindowHandle upper = testClass.Create(title);
    ASSERT_TRUE(lower && between && upper);

    platform::win32::Win32Windows windows;
    const WindowId found = windows.Find("", title);
    ASSERT_EQ(found, Id(upper));
    EXPECT_EQ(windows.Find(className, title), Id(upper));
    EXPECT_EQ(windows.ClassName(found), className);

    WindowId next = windows.Next(found);
    while (next != 0 && windows.ClassName(next) != className) {
        next = windows.Next(next);
    }
    EXPECT_EQ(next, Id(lower));
    EXPECT_EQ(windows.Next(0), 0u);
}

TEST(Win32WindowsTest, RestoresAMinimisedWindow) {
    TestClass testClass(Unique("TSetupTestRestore"));
    ASSERT_TRUE(testClass.Registered());
    WindowHandle window = testClass.Create(Unique("restore"));
    ASSERT_TRUE(window);
    ShowWindow(window.Get(), SW_MINIMIZE);
    platform::win32::Win32Windows windows;
    ASSERT_TRUE(windows.IsIconic(Id(window)));
    windows.Restore(Id(window));
    EXPECT_FALSE(windows.IsIconic(Id(window)));
    EXPECT_TRUE(IsWindowVisible(window.Get()));
    windows.BringToTop(Id(window));
    windows.SetForeground(Id(window));
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == window.Get(); }));
}

TEST(Win32WindowsTest, MessagesToNoWindowFail) {
    platform::win32::Win32Windows windows;
    EXPECT_EQ(windows.Find("TSetupTestNoSuchClass", "TSetupTestNoSuchTitle"), 0u);
    EXPECT_EQ(windows.Find("", Unique("TSetupTestNoSuchTitle")), 0u);
    TestClass testClass(Unique("TSetupTestGone"));
    ASSERT_TRUE(testClass.Registered());
    WindowHandle window = testClass.Create("gone");
    ASSERT_TRUE(window);
    const WindowId gone = Id(window);
    window.Reset();
    EXPECT_FALSE(windows.Post(gone, WM_USER + 101, 0, 0));
    EXPECT_FALSE(windows.Send(gone, WM_USER + 107, 0, 0, 1000));
    EXPECT_EQ(windows.ClassName(gone), "");
}

TEST(Win32ProcessesTest, StartsAProgramOrReportsFailure) {
    const std::string directory = Narrow(ExeDirectory());
    const std::string exe = directory + "Tastor32.exe";
    const std::string log = Unique("tastor32-process") + ".log";
    // The driver writes its log into the working directory it was given.
    SetEnvironmentVariableW(L"TASTOR32_LOG", Wide(log).c_str());
    platform::win32::Win32Processes processes;
    const bool created = processes.Create(exe, exe + " ", directory);
    SetEnvironmentVariableW(L"TASTOR32_LOG", nullptr);
    ASSERT_TRUE(created);

    const std::wstring logPath = ExeDirectory() + Wide(log);
    HWND driver = nullptr;
    EXPECT_TRUE(WaitFor([&] {
        driver = FindWindowW(L"Tastor32", L"Tastor32");
        return driver != nullptr && GetFileAttributesW(logPath.c_str()) != INVALID_FILE_ATTRIBUTES;
    }));
    if (driver != nullptr) {
        DWORD processId = 0;
        GetWindowThreadProcessId(driver, &processId);
        KernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
        PostMessageW(driver, WM_CLOSE, 0, 0);
        if (process) {
            EXPECT_EQ(WaitForSingleObject(process.Get(), kDeadlineMs), WAIT_OBJECT_0);
        }
    }
    DeleteFileW(logPath.c_str());

    struct Case {
        std::string file;
        std::string directory;
    };
    const Case failing[] = {
        {directory + "NoSuchProgram.exe", directory},
        {exe, directory + "NoSuchFolder\\"},
    };
    for (const Case& c : failing) {
        SCOPED_TRACE(c.file + " in " + c.directory);
        EXPECT_FALSE(processes.Create(c.file, c.file + " ", c.directory));
    }
}

TEST(Win32SystemTest, ReportsThisProcessAndSystem) {
    platform::win32::Win32System system;
    EXPECT_EQ(system.PlatformId(), 2u); // Wine always reports the NT family

    const std::string path = system.ProgramPath();
    EXPECT_EQ(path, Narrow(ExeDirectory()) + "win32_tests.exe");

    const std::string windows = system.WindowsDirectory();
    wchar_t expected[MAX_PATH + 1];
    const UINT length = GetWindowsDirectoryW(expected, MAX_PATH + 1);
    EXPECT_EQ(windows, Narrow(expected, length));
    EXPECT_FALSE(windows.empty());
    EXPECT_NE(windows.back(), '\\');

    // The test runner's own options are the arguments: none of them is the program path.
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    ASSERT_NE(list, nullptr);
    const auto arguments = system.Arguments();
    ASSERT_EQ(arguments.size(), static_cast<std::size_t>(count - 1));
    for (int i = 1; i < count; ++i) {
        EXPECT_EQ(arguments[static_cast<std::size_t>(i - 1)], Narrow(std::wstring(list[i])));
    }
    LocalFree(list);
}

// Answers the message box with the given title from another thread, as a user would.
class BoxAnswerer {
public:
    BoxAnswerer(const std::string& title, int button)
        : title_(Wide(title)), thread_([this, button] {
              found_ = WaitFor([&] {
                  const HWND box = FindWindowW(L"#32770", title_.c_str());
                  if (box == nullptr) {
                      return false;
                  }
                  text_ = ReadText(box);
                  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                  return true;
              });
          }) {}
    ~BoxAnswerer() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    void Join() { thread_.join(); }
    bool Found() const { return found_; }
    const std::wstring& Text() const { return text_; }

private:
    static std::wstring ReadText(HWND box) {
        // The message box's text is the static control with ID 0xFFFF.
        wchar_t text[256] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 256);
        return text;
    }

    std::wstring title_;
    std::wstring text_;
    std::atomic<bool> found_{false};
    std::thread thread_;
};

TEST(Win32MessageBoxesTest, AnswerIsTrueOnlyForYesAndOk) {
    struct Case {
        platform::BoxKind kind;
        int button;
        bool expected;
    };
    const Case cases[] = {
        {platform::BoxKind::YesNo, IDYES, true},
        {platform::BoxKind::YesNo, IDNO, false},
        {platform::BoxKind::Info, IDOK, true},
        {platform::BoxKind::Error, IDOK, true},
    };
    platform::win32::Win32MessageBoxes boxes;
    for (const Case& c : cases) {
        const std::string title = Unique("TSetup Prüfung");
        const std::string text = "Vorhandenen Eintrag ändern?";
        SCOPED_TRACE(title);
        bool answer = !c.expected;
        std::wstring shownText;
        bool found = false;
        {
            BoxAnswerer answerer(title, c.button);
            answer = boxes.Show(c.kind, text, title);
            answerer.Join();
            found = answerer.Found();
            shownText = answerer.Text();
        }
        ASSERT_TRUE(found);
        EXPECT_EQ(answer, c.expected);
        EXPECT_EQ(shownText, Wide(text));
    }
}

} // namespace

// The stand-in driver under Wine, addressed through the program's window service the way the
// settings program addresses the real driver: found by class and title, posted to, sent to.

#include "platform/win32/Win32Windows.h"
#include "win32/DriverProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using drivertest::Contains;
using drivertest::Driver;
using drivertest::kDeadlineMs;
using platform::WindowId;
using platform::win32::Win32Windows;

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

// The services the sounds page relies on, under Wine: port access kept away from the NT
// family, timers from the message loop, WinExec's result and error code.

#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32IoPorts.h"
#include "platform/win32/Win32Processes.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(Win32IoPortsTest, OnTheNtFamilyNoPortInstructionRuns) {
    // Wine reports the NT family here; a port instruction would end this process.
    platform::win32::Win32IoPorts ports;
    EXPECT_FALSE(ports.PortsReachable());
    ports.Out(0x61, 0x03);
    ports.Out(0x43, 0xB6);
    EXPECT_EQ(ports.In(0x61), 0);
}

TEST(Win32IoPortsTest, APortInstructionThatFaultsIsSkippedAndThePortsAreLeftAlone) {
    // Port instructions forced on the NT family fault; the program must go on.
    platform::win32::Win32IoPorts ports(true);
    ports.Out(0x61, 0x03);
    EXPECT_EQ(ports.In(0x61), 0);
    EXPECT_FALSE(ports.PortsReachable());
}

TEST(Win32ClockTest, ATimerTicksFromTheMessageLoopUntilStopped) {
    platform::win32::Win32Clock clock;
    int ticks = 0;
    platform::TimerId timer = 0;
    timer = clock.StartTimer(10, [&] {
        if (++ticks == 3) {
            clock.StopTimer(timer);
            PostQuitMessage(0);
        }
    });
    ASSERT_NE(timer, 0u);
    const platform::TimerId guard = clock.StartTimer(5000, [] { PostQuitMessage(1); });
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    clock.StopTimer(guard);
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_EQ(ticks, 3);
}

TEST(Win32ProcessesTest, ExecReportsTheSystemsErrorCodeWhenNothingStarts) {
    platform::win32::Win32Processes processes;
    const auto missing = processes.Exec("C:\\nirgends\\gibtsnicht.exe");
    EXPECT_LT(missing.result, 32u);
    EXPECT_TRUE(missing.lastError == ERROR_FILE_NOT_FOUND ||
                missing.lastError == ERROR_PATH_NOT_FOUND)
        << missing.lastError;
}

#include "platform/win32/Win32Clock.h"

#include <windows.h>

namespace platform::win32 {

void Win32Clock::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

void Win32Clock::SleepAlertable(std::uint32_t milliseconds) {
    ::SleepEx(milliseconds, TRUE);
}

LocalTime Win32Clock::Now() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

} // namespace platform::win32

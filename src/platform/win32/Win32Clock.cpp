#include "platform/win32/Win32Clock.h"

#include <windows.h>

namespace platform::win32 {

void Win32Clock::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

void Win32Clock::SleepAlertable(std::uint32_t milliseconds) {
    ::SleepEx(milliseconds, TRUE);
}

} // namespace platform::win32

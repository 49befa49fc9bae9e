#include "platform/win32/Win32Clock.h"

#include <windows.h>

#include <map>

namespace platform::win32 {
namespace {

// The handlers of the running timers, by the ids the system gave them. Timers belong to
// the user-interface thread only.
std::map<UINT_PTR, std::function<void()>>& Handlers() {
    static std::map<UINT_PTR, std::function<void()>> handlers;
    return handlers;
}

void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    const auto found = Handlers().find(id);
    if (found == Handlers().end()) {
        return;
    }
    // The handler may stop its own timer: call a copy. Handlers show their own errors;
    // whatever still escapes stops here, as no exception may leave a callback.
    const std::function<void()> onTick = found->second;
    try {
        onTick();
    } catch (...) {
    }
}

} // namespace

void Win32Clock::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

void Win32Clock::SleepAlertable(std::uint32_t milliseconds) {
    ::SleepEx(milliseconds, TRUE);
}

TimerId Win32Clock::StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
    const UINT_PTR id = ::SetTimer(nullptr, 0, intervalMs, &TimerProc);
    if (id != 0) {
        Handlers()[id] = std::move(onTick);
    }
    return id;
}

void Win32Clock::StopTimer(TimerId timer) {
    if (timer == 0) {
        return;
    }
    ::KillTimer(nullptr, timer);
    Handlers().erase(timer);
}

LocalTime Win32Clock::Now() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

} // namespace platform::win32

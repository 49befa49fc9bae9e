// Waiting, timers and the time of day on Windows.
#pragma once

#include "platform/Clock.h"

namespace platform::win32 {

class Win32Clock : public platform::Clock {
public:
    void Sleep(std::uint32_t milliseconds) override;
    void SleepAlertable(std::uint32_t milliseconds) override;
    // Thread timers: WM_TIMER messages that the thread's message loop dispatches.
    TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
    void StopTimer(TimerId timer) override;
    LocalTime Now() override;
};

} // namespace platform::win32

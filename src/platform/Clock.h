// Waiting, timers and the time of day.
#pragma once

#include <cstdint>
#include <functional>

namespace platform {

using TimerId = std::uintptr_t;

struct LocalTime {
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // SleepEx with the alertable flag.
    virtual void SleepAlertable(std::uint32_t milliseconds) = 0;
    // Calls onTick every interval on the user-interface thread, from its message loop,
    // until the timer is stopped. Returns 0 when no timer could be made. The handler shows
    // its own errors: an exception that escapes it is dropped.
    virtual TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) = 0;
    // Stopping a timer that has ended already, or 0, does nothing.
    virtual void StopTimer(TimerId timer) = 0;
    // The local date and time.
    virtual LocalTime Now() = 0;
};

} // namespace platform

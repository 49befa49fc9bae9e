// Waiting, and the time of day.
#pragma once

#include <cstdint>

namespace platform {

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
    // The local date and time.
    virtual LocalTime Now() = 0;
};

} // namespace platform

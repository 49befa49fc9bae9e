// Waiting.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // SleepEx with the alertable flag.
    virtual void SleepAlertable(std::uint32_t milliseconds) = 0;
};

} // namespace platform

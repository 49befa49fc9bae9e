// A clock whose time and timers move only when a test says so; sleeps are recorded.
#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform::fake {

class FakeClock : public Clock {
public:
    LocalTime now{2024, 3, 5, 9, 7, 2};
    // "sleep:MS" and "sleepex:MS" in order.
    std::vector<std::string> log;
    std::function<void()> onSleep;
    void Sleep(std::uint32_t milliseconds) override;
    void SleepAlertable(std::uint32_t milliseconds) override;
    LocalTime Now() override { return now; }

    // Timers run on a clock of their own that only Advance moves.
    TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
    void StopTimer(TimerId timer) override;
    // Moves the time on, firing every timer that falls due, in time order.
    void Advance(std::uint32_t milliseconds);
    std::size_t RunningTimers() const { return timers_.size(); }

private:
    struct Timer {
        TimerId id;
        std::uint32_t interval;
        std::uint64_t due;
        std::function<void()> onTick;
    };
    std::vector<Timer> timers_;
    std::uint64_t timerTime_ = 0;
    TimerId nextTimer_ = 1;
};

} // namespace platform::fake

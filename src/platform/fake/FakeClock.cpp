#include "platform/fake/FakeClock.h"

#include <algorithm>

namespace platform::fake {

void FakeClock::Sleep(std::uint32_t milliseconds) {
    log.push_back("sleep:" + std::to_string(milliseconds));
    if (onSleep) {
        onSleep();
    }
}

void FakeClock::SleepAlertable(std::uint32_t milliseconds) {
    log.push_back("sleepex:" + std::to_string(milliseconds));
    if (onSleep) {
        onSleep();
    }
}

TimerId FakeClock::StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
    timers_.push_back({nextTimer_, intervalMs, timerTime_ + intervalMs, std::move(onTick)});
    return nextTimer_++;
}

void FakeClock::StopTimer(TimerId timer) {
    std::erase_if(timers_, [timer](const Timer& t) { return t.id == timer; });
}

void FakeClock::Advance(std::uint32_t milliseconds) {
    const std::uint64_t end = timerTime_ + milliseconds;
    for (;;) {
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->due <= end && (next == timers_.end() || it->due < next->due)) {
                next = it;
            }
        }
        if (next == timers_.end()) {
            break;
        }
        timerTime_ = next->due;
        // An interval of 0 still waits a tick, as a Windows timer does.
        next->due = timerTime_ + std::max<std::uint32_t>(next->interval, 1);
        // The handler may start and stop timers: call a copy.
        const std::function<void()> onTick = next->onTick;
        onTick();
    }
    timerTime_ = end;
}

} // namespace platform::fake

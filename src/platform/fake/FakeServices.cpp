#include "platform/fake/FakeServices.h"

#include <algorithm>

namespace platform::fake {

void FakeMessageBoxes::Beep(SystemSound sound) {
    switch (sound) {
    case SystemSound::Hand:
        log.push_back("beep:hand");
        break;
    case SystemSound::Question:
        log.push_back("beep:question");
        break;
    case SystemSound::Default:
        log.push_back("beep:default");
        break;
    }
}

bool FakeMessageBoxes::Show(BoxKind kind, const std::string& text, const std::string& title) {
    Shown box{kind, text, title};
    shown.push_back(box);
    switch (kind) {
    case BoxKind::Info:
        log.push_back("info:" + text);
        break;
    case BoxKind::Error:
        log.push_back("error:" + text);
        break;
    case BoxKind::YesNo:
        log.push_back("yesno:" + text);
        break;
    case BoxKind::YesNoDefaultNo:
        log.push_back("yesno-default-no:" + text);
        break;
    case BoxKind::Plain:
        log.push_back("plain:" + text);
        break;
    }
    if (onShow) {
        onShow(box);
    }
    if (kind != BoxKind::YesNo && kind != BoxKind::YesNoDefaultNo) {
        return true;
    }
    if (answers.empty()) {
        return false;
    }
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

WindowId FakeWindows::Add(const std::string& className, const std::string& title) {
    Window window{++nextId_, className, title};
    zOrder.insert(zOrder.begin(), window);
    return window.id;
}

FakeWindows::Window* FakeWindows::Get(WindowId id) {
    auto it =
        std::find_if(zOrder.begin(), zOrder.end(), [&](const Window& w) { return w.id == id; });
    return it == zOrder.end() ? nullptr : &*it;
}

WindowId FakeWindows::Find(const std::string& className, const std::string& title) {
    for (const auto& w : zOrder) {
        if ((className.empty() || w.className == className) && w.title == title) {
            return w.id;
        }
    }
    return 0;
}

std::string FakeWindows::ClassName(WindowId window) {
    Window* w = Get(window);
    return w == nullptr ? std::string() : w->className;
}

WindowId FakeWindows::Next(WindowId window) {
    for (std::size_t i = 0; i < zOrder.size(); ++i) {
        if (zOrder[i].id == window) {
            return i + 1 < zOrder.size() ? zOrder[i + 1].id : 0;
        }
    }
    return 0;
}

void FakeWindows::Restore(WindowId window) {
    actions.push_back("restore:" + std::to_string(window));
    if (Window* w = Get(window); w != nullptr && !w->staysIconic) {
        w->iconic = false;
    }
}

bool FakeWindows::IsIconic(WindowId window) {
    Window* w = Get(window);
    return w != nullptr && w->iconic;
}

void FakeWindows::BringToTop(WindowId window) {
    actions.push_back("top:" + std::to_string(window));
}

void FakeWindows::SetForeground(WindowId window) {
    actions.push_back("foreground:" + std::to_string(window));
}

bool FakeWindows::Post(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
    if (Get(window) == nullptr) {
        return false;
    }
    messages.push_back({window, message, wParam, lParam, false});
    return true;
}

bool FakeWindows::Send(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam, std::uint32_t timeoutMs) {
    Window* w = Get(window);
    if (w == nullptr) {
        return false;
    }
    if (onSend) {
        onSend(timeoutMs);
    }
    messages.push_back({window, message, wParam, lParam, true});
    return w->answers;
}

FakeKeyboard::FakeKeyboard() {
    // Scan codes of a PC keyboard (set 1) for the keys tests name.
    const char* row1 = "QWERTZUIOP";
    const char* row2 = "ASDFGHJKL";
    const char* row3 = "YXCVBNM";
    for (int i = 0; row1[i]; ++i) {
        scanCodes[static_cast<unsigned char>(row1[i])] = 0x10 + i;
        names[0x10 + i] = std::string(1, row1[i]);
    }
    for (int i = 0; row2[i]; ++i) {
        scanCodes[static_cast<unsigned char>(row2[i])] = 0x1E + i;
        names[0x1E + i] = std::string(1, row2[i]);
    }
    for (int i = 0; row3[i]; ++i) {
        scanCodes[static_cast<unsigned char>(row3[i])] = 0x2C + i;
        names[0x2C + i] = std::string(1, row3[i]);
    }
    for (int i = 1; i <= 9; ++i) {
        scanCodes['0' + i] = 0x01 + i;
        names[0x01 + i] = std::string(1, static_cast<char>('0' + i));
    }
    scanCodes['0'] = 0x0B;
    names[0x0B] = "0";
    for (int i = 0; i < 10; ++i) { // F1..F10
        scanCodes[0x70 + i] = 0x3B + i;
        names[0x3B + i] = "F" + std::to_string(i + 1);
    }
    scanCodes[0x7A] = 0x57;
    names[0x57] = "F11";
    scanCodes[0x7B] = 0x58;
    names[0x58] = "F12";
    // Cursor keys share their scan codes with the keypad.
    scanCodes[0x25] = 0x4B;
    names[0x4B] = "Num 4";
    scanCodes[0x2D] = 0x52;
    names[0x52] = "Num 0";
    scanCodes[0x2E] = 0x53;
    names[0x53] = "Num ,";
    scanCodes[0xC0] = 0x29;
    names[0x29] = "^";
}

std::uint32_t FakeKeyboard::ScanCode(std::uint32_t virtualKey) {
    auto it = scanCodes.find(virtualKey);
    return it == scanCodes.end() ? 0 : it->second;
}

std::string FakeKeyboard::KeyNameText(std::int32_t lParam) {
    nameRequests.push_back(lParam);
    auto it = names.find((static_cast<std::uint32_t>(lParam) >> 16) & 0xFF);
    return it == names.end() ? std::string() : it->second;
}

bool FakeKeyboard::IsDown(std::uint32_t virtualKey) {
    auto it = down.find(virtualKey);
    return it != down.end() && it->second;
}

std::uint8_t FakeIoPorts::In(std::uint16_t port) {
    std::uint8_t value = values.count(port) ? values[port] : 0;
    accesses.push_back({false, port, value});
    return value;
}

void FakeIoPorts::Out(std::uint16_t port, std::uint8_t value) {
    accesses.push_back({true, port, value});
    if (port == 0x61) {
        values[port] = value;
    }
}

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

bool FakeProcesses::Create(const std::string& file, const std::string& commandLine,
                           const std::string& directory) {
    Started s{file, commandLine, directory};
    started.push_back(s);
    if (std::find(existing.begin(), existing.end(), file) == existing.end()) {
        return false;
    }
    if (onStart) {
        onStart(s);
    }
    return true;
}

} // namespace platform::fake

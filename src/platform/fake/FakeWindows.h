// Top-level windows in memory: a Z order, and every message posted or sent to them.
#pragma once

#include "platform/Windows.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform::fake {

class FakeWindows : public TopLevelWindows {
public:
    struct Window {
        WindowId id;
        std::string className;
        std::string title;
        bool iconic = false;
        bool staysIconic = false; // a restore leaves it minimised
        bool answers = true;      // whether a sent message is handled
    };
    struct Message {
        WindowId window;
        std::uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        bool sent;
    };
    // Top-level windows from the top of the Z order downwards.
    std::vector<Window> zOrder;
    std::vector<Message> messages;
    // Calls that change window state, in order: "restore:ID", "top:ID", "foreground:ID".
    std::vector<std::string> actions;
    // Called with the time limit of every message sent, while the sender waits.
    std::function<void(std::uint32_t timeoutMs)> onSend;

    WindowId Add(const std::string& className, const std::string& title);
    Window* Get(WindowId id);

    WindowId Find(const std::string& className, const std::string& title) override;
    std::string ClassName(WindowId window) override;
    WindowId Next(WindowId window) override;
    void Restore(WindowId window) override;
    bool IsIconic(WindowId window) override;
    void BringToTop(WindowId window) override;
    void SetForeground(WindowId window) override;
    bool Post(WindowId window, std::uint32_t message, std::uintptr_t wParam,
              std::intptr_t lParam) override;
    bool Send(WindowId window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
              std::uint32_t timeoutMs) override;

private:
    WindowId nextId_ = 0x100;
};

} // namespace platform::fake

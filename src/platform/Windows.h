// Top-level windows of other programs and of other instances: find, walk the Z order,
// activate, and deliver messages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

using WindowId = std::uintptr_t; // 0 is no window

class TopLevelWindows {
public:
    virtual ~TopLevelWindows() = default;
    // FindWindowA: className empty means any class.
    virtual WindowId Find(const std::string& className, const std::string& title) = 0;
    virtual std::string ClassName(WindowId window) = 0;
    // The next window below in the Z order (GW_HWNDNEXT), 0 at the end.
    virtual WindowId Next(WindowId window) = 0;
    virtual void Restore(WindowId window) = 0;
    virtual bool IsIconic(WindowId window) = 0;
    virtual void BringToTop(WindowId window) = 0;
    virtual void SetForeground(WindowId window) = 0;
    virtual bool Post(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) = 0;
    // Sends and waits until the receiver has handled the message. A receiver that has
    // stopped answering is given up after timeoutMs; the result says whether it answered.
    virtual bool Send(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam, std::uint32_t timeoutMs) = 0;
};

} // namespace platform

// Top-level windows on Windows: finding them, walking the Z order, activating them and
// delivering messages across processes.
#pragma once

#include "platform/Windows.h"

namespace platform::win32 {

class Win32Windows : public platform::TopLevelWindows {
public:
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
};

} // namespace platform::win32

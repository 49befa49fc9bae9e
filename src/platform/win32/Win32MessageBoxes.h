// Modal message boxes and system sounds on Windows.
#pragma once

#include "platform/MessageBoxes.h"

namespace platform::win32 {

class Win32MessageBoxes : public platform::MessageBoxes {
public:
    void Beep(SystemSound sound) override;
    bool Show(BoxKind kind, const std::string& text, const std::string& title) override;
};

} // namespace platform::win32

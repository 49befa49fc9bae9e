// The keyboard service on Windows: the current layout's key names and the key state.
#pragma once

#include "platform/Keyboard.h"

namespace platform::win32 {

class Win32Keyboard : public platform::Keyboard {
public:
    std::uint32_t ScanCode(std::uint32_t virtualKey) override;
    std::string KeyNameText(std::int32_t lParam) override;
    bool IsDown(std::uint32_t virtualKey) override;
};

} // namespace platform::win32

// The keyboard service on Windows: the current layout's key names and the key state.
#pragma once

#include "platform/Keyboard.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace platform::win32 {

class Win32Keyboard : public platform::Keyboard {
public:
    std::uint32_t ScanCode(std::uint32_t virtualKey) override;
    std::string KeyNameText(std::int32_t lParam) override;
    bool IsDown(std::uint32_t virtualKey) override;

private:
    // Answers of the current keyboard layout; a list of thousands of macros asks the same
    // few questions over and over. Keyed by layout, so a change of layout asks again.
    std::map<std::pair<std::uintptr_t, std::uint32_t>, std::uint32_t> scanCodes_;
    std::map<std::pair<std::uintptr_t, std::int32_t>, std::string> names_;
};

} // namespace platform::win32

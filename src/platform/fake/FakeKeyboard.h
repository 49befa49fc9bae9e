// A keyboard layout in memory, with the keys held down as a test sets them.
#pragma once

#include "platform/Keyboard.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace platform::fake {

class FakeKeyboard : public Keyboard {
public:
    // Virtual-key to scan code, and scan code to name. Filled with a German layout's
    // letters, digits and function keys.
    std::map<std::uint32_t, std::uint32_t> scanCodes;
    std::map<std::uint32_t, std::string> names;
    std::map<std::uint32_t, bool> down;
    std::vector<std::int32_t> nameRequests;
    FakeKeyboard();
    std::uint32_t ScanCode(std::uint32_t virtualKey) override;
    std::string KeyNameText(std::int32_t lParam) override;
    bool IsDown(std::uint32_t virtualKey) override;
};

} // namespace platform::fake

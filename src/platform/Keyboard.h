// The keyboard layout's names of keys and the state of keys.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // MapVirtualKeyA(vk, 0): the key's scan code, 0 when it has none.
    virtual std::uint32_t ScanCode(std::uint32_t virtualKey) = 0;
    // GetKeyNameTextA(lParam, buffer of 255): the name, cut to the reported length.
    virtual std::string KeyNameText(std::int32_t lParam) = 0;
    // GetKeyState: whether the key is held down now.
    virtual bool IsDown(std::uint32_t virtualKey) = 0;
};

} // namespace platform

#include "platform/win32/Win32Keyboard.h"

#include <windows.h>

namespace platform::win32 {

std::uint32_t Win32Keyboard::ScanCode(std::uint32_t virtualKey) {
    return ::MapVirtualKeyA(virtualKey, 0);
}

std::string Win32Keyboard::KeyNameText(std::int32_t lParam) {
    char buffer[255];
    const int length = ::GetKeyNameTextA(static_cast<LONG>(lParam), buffer, sizeof buffer);
    if (length <= 0) {
        return std::string();
    }
    return std::string(buffer, static_cast<std::size_t>(length));
}

bool Win32Keyboard::IsDown(std::uint32_t virtualKey) {
    return (::GetKeyState(static_cast<int>(virtualKey)) & 0x8000) != 0;
}

} // namespace platform::win32

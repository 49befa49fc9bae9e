#include "platform/win32/Win32Keyboard.h"

#include "platform/win32/WideText.h"

#include <windows.h>

namespace platform::win32 {
namespace {

std::uintptr_t CurrentLayout() {
    return reinterpret_cast<std::uintptr_t>(GetKeyboardLayout(0));
}

} // namespace

std::uint32_t Win32Keyboard::ScanCode(std::uint32_t virtualKey) {
    const auto key = std::make_pair(CurrentLayout(), virtualKey);
    auto found = scanCodes_.find(key);
    if (found == scanCodes_.end()) {
        found = scanCodes_.emplace(key, ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)).first;
    }
    return found->second;
}

std::string Win32Keyboard::KeyNameText(std::int32_t lParam) {
    const auto key = std::make_pair(CurrentLayout(), lParam);
    auto found = names_.find(key);
    if (found == names_.end()) {
        wchar_t buffer[255];
        const int length = ::GetKeyNameTextW(static_cast<LONG>(lParam), buffer, 255);
        found = names_
                    .emplace(key, length > 0 ? Narrow(buffer, static_cast<std::size_t>(length))
                                             : std::string())
                    .first;
    }
    return found->second;
}

bool Win32Keyboard::IsDown(std::uint32_t virtualKey) {
    return (::GetKeyState(static_cast<int>(virtualKey)) & 0x8000) != 0;
}

} // namespace platform::win32

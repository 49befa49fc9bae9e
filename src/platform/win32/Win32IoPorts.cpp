#include "platform/win32/Win32IoPorts.h"

#include "platform/win32/Win32System.h"

#include <windows.h>

// The port instructions run only on the 9x family, which is 32-bit only. The 64-bit build
// has no port access at all.

namespace platform::win32 {

Win32IoPorts::Win32IoPorts()
#if defined(__i386__)
    : reachable_(Win32System().PlatformId() == VER_PLATFORM_WIN32_WINDOWS)
#else
    : reachable_(false)
#endif
{
}

std::uint8_t Win32IoPorts::In(std::uint16_t port) {
#if defined(__i386__)
    if (reachable_) {
        std::uint8_t value;
        __asm__ __volatile__("inb %w1, %b0" : "=a"(value) : "Nd"(port));
        return value;
    }
#endif
    (void)port;
    return 0;
}

void Win32IoPorts::Out(std::uint16_t port, std::uint8_t value) {
#if defined(__i386__)
    if (reachable_) {
        __asm__ __volatile__("outb %b0, %w1" : : "a"(value), "Nd"(port));
        return;
    }
#endif
    (void)port;
    (void)value;
}

} // namespace platform::win32

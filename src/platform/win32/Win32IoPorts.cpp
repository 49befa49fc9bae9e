#include "platform/win32/Win32IoPorts.h"

// The port instructions only run on the 9x family, which is 32-bit only. The speaker mode
// is never offered on the NT family (where they would fault), so the 64-bit build has no
// port access at all: reads give 0 and writes do nothing.

namespace platform::win32 {

std::uint8_t Win32IoPorts::In(std::uint16_t port) {
#if defined(__i386__)
    std::uint8_t value;
    __asm__ __volatile__("inb %w1, %b0" : "=a"(value) : "Nd"(port));
    return value;
#else
    (void)port;
    return 0;
#endif
}

void Win32IoPorts::Out(std::uint16_t port, std::uint8_t value) {
#if defined(__i386__)
    __asm__ __volatile__("outb %b0, %w1" : : "a"(value), "Nd"(port));
#else
    (void)port;
    (void)value;
#endif
}

} // namespace platform::win32

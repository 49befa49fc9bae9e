#include "platform/win32/Win32IoPorts.h"

#include "platform/win32/Win32System.h"

#include <windows.h>

// The port instructions run only on the 9x family, which is 32-bit only. The 64-bit build
// has no port access at all.

namespace platform::win32 {

#if defined(__i386__)
namespace {

// Set while this thread executes one of the port instructions below; the fault handler
// acts only then.
thread_local bool t_inPortInstruction = false;
thread_local bool t_portFaulted = false;

// "in al, dx" and "out dx, al": one byte each, so a faulting one is skipped by one byte.
constexpr unsigned char InFromDx = 0xEC;
constexpr unsigned char OutToDx = 0xEE;

LONG CALLBACK SkipFaultingPortInstruction(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (!t_inPortInstruction ||
        (record->ExceptionCode != EXCEPTION_PRIV_INSTRUCTION &&
         record->ExceptionCode != EXCEPTION_ILLEGAL_INSTRUCTION &&
         record->ExceptionCode != EXCEPTION_ACCESS_VIOLATION)) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    const auto* at = static_cast<const unsigned char*>(record->ExceptionAddress);
    if (at == nullptr || (*at != InFromDx && *at != OutToDx)) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    info->ContextRecord->Eip += 1;
    t_portFaulted = true;
    return EXCEPTION_CONTINUE_EXECUTION;
}

} // namespace
#endif

Win32IoPorts::Win32IoPorts()
#if defined(__i386__)
    : Win32IoPorts(Win32System().PlatformId() == VER_PLATFORM_WIN32_WINDOWS)
#else
    : Win32IoPorts(false)
#endif
{
}

Win32IoPorts::Win32IoPorts(bool reachable) : reachable_(false) {
#if defined(__i386__)
    // Called last: Wine's own emulation of the port instructions (for programs of the 9x
    // family) comes first.
    if (reachable) {
        faultHandler_ = AddVectoredExceptionHandler(0, SkipFaultingPortInstruction);
        reachable_ = faultHandler_ != nullptr;
    }
#else
    (void)reachable;
#endif
}

Win32IoPorts::~Win32IoPorts() {
    if (faultHandler_ != nullptr) {
        RemoveVectoredExceptionHandler(faultHandler_);
    }
}

std::uint8_t Win32IoPorts::In(std::uint16_t port) {
#if defined(__i386__)
    if (reachable_) {
        std::uint8_t value = 0;
        t_portFaulted = false;
        t_inPortInstruction = true;
        __asm__ __volatile__("inb %w1, %b0" : "+a"(value) : "d"(port) : "memory");
        t_inPortInstruction = false;
        if (!t_portFaulted) {
            return value;
        }
        reachable_ = false;
    }
#endif
    (void)port;
    return 0;
}

void Win32IoPorts::Out(std::uint16_t port, std::uint8_t value) {
#if defined(__i386__)
    if (reachable_) {
        t_portFaulted = false;
        t_inPortInstruction = true;
        __asm__ __volatile__("outb %b0, %w1" : : "a"(value), "d"(port) : "memory");
        t_inPortInstruction = false;
        if (t_portFaulted) {
            reachable_ = false;
        }
        return;
    }
#endif
    (void)port;
    (void)value;
}

} // namespace platform::win32

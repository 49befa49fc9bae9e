// Direct I/O port access on Windows. Only the 9x family lets an ordinary program execute
// port instructions; on the NT family they end the process, so there reads give 0 and
// writes do nothing. Where a port instruction faults all the same (a system or emulator that
// does not grant the ports), the fault is caught, the instruction skipped and the ports are
// not used again: the speaker stays silent, the program goes on.
#pragma once

#include "platform/IoPorts.h"

namespace platform::win32 {

class Win32IoPorts : public platform::IoPorts {
public:
    // Asks the system once which family it belongs to.
    Win32IoPorts();
    // For tests: port instructions run (or are kept away) whatever the family.
    explicit Win32IoPorts(bool reachable);
    ~Win32IoPorts() override;
    Win32IoPorts(const Win32IoPorts&) = delete;
    Win32IoPorts& operator=(const Win32IoPorts&) = delete;

    std::uint8_t In(std::uint16_t port) override;
    void Out(std::uint16_t port, std::uint8_t value) override;
    bool PortsReachable() const { return reachable_; }

private:
    bool reachable_;
    void* faultHandler_ = nullptr;
};

} // namespace platform::win32

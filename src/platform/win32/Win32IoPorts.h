// Direct I/O port access on Windows. Only the 9x family lets an ordinary program execute
// port instructions; on the NT family they end the process, so there reads give 0 and
// writes do nothing.
#pragma once

#include "platform/IoPorts.h"

namespace platform::win32 {

class Win32IoPorts : public platform::IoPorts {
public:
    // Asks the system once which family it belongs to.
    Win32IoPorts();
    std::uint8_t In(std::uint16_t port) override;
    void Out(std::uint16_t port, std::uint8_t value) override;
    bool PortsReachable() const { return reachable_; }

private:
    bool reachable_;
};

} // namespace platform::win32

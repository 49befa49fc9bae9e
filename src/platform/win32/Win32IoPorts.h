// Direct I/O port access on Windows. Only the 9x family lets an ordinary program execute
// port instructions; the program never reaches this on the NT family.
#pragma once

#include "platform/IoPorts.h"

namespace platform::win32 {

class Win32IoPorts : public platform::IoPorts {
public:
    std::uint8_t In(std::uint16_t port) override;
    void Out(std::uint16_t port, std::uint8_t value) override;
};

} // namespace platform::win32

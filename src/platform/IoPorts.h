// Direct access to the PC's I/O ports (only possible on the 9x family).
#pragma once

#include <cstdint>

namespace platform {

class IoPorts {
public:
    virtual ~IoPorts() = default;
    virtual std::uint8_t In(std::uint16_t port) = 0;
    virtual void Out(std::uint16_t port, std::uint8_t value) = 0;
};

} // namespace platform

// I/O ports in memory that record every access.
#pragma once

#include "platform/IoPorts.h"

#include <cstdint>
#include <map>
#include <vector>

namespace platform::fake {

class FakeIoPorts : public IoPorts {
public:
    struct Access {
        bool write;
        std::uint16_t port;
        std::uint8_t value;
        bool operator==(const Access&) const = default;
    };
    // What each port reads; writes to port 0x61 are read back.
    std::map<std::uint16_t, std::uint8_t> values;
    std::vector<Access> accesses;
    std::uint8_t In(std::uint16_t port) override;
    void Out(std::uint16_t port, std::uint8_t value) override;
};

} // namespace platform::fake

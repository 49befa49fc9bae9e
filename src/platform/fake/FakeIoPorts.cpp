#include "platform/fake/FakeIoPorts.h"

namespace platform::fake {

std::uint8_t FakeIoPorts::In(std::uint16_t port) {
    std::uint8_t value = values.count(port) ? values[port] : 0;
    accesses.push_back({false, port, value});
    return value;
}

void FakeIoPorts::Out(std::uint16_t port, std::uint8_t value) {
    accesses.push_back({true, port, value});
    if (port == 0x61) {
        values[port] = value;
    }
}

} // namespace platform::fake

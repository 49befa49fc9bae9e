// The PC speaker, driven through counter 2 of the interval timer and system control
// port B. Only usable where the system lets a program reach the I/O ports (the 9x
// family); the settings window keeps the speaker mode away from the NT family. It holds no
// state of its own: whoever plays makes one.
#pragma once

#include <cstdint>

namespace sound {

class TPCSpeaker {
public:
    std::uint8_t PortIn(std::uint16_t port);
    // Writes the low eight bits of the value.
    void PortOut(std::uint16_t port, std::uint16_t value);
    // Starts a square wave of 1193181 / (1193181 div frequency) Hz, or retunes a running
    // one. Frequencies of 18 Hz and below do not fit the 16-bit divisor and are ignored.
    void ToneOn(std::uint16_t frequency);
    void ToneOff();
    void Wait(std::uint32_t milliseconds);
    // On, wait, off; leaves the speaker silent.
    void PlayTone(std::uint16_t frequency, std::uint32_t duration);
};

} // namespace sound

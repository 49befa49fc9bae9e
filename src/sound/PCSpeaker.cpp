#include "sound/PCSpeaker.h"

#include "platform/Services.h"

namespace sound {

namespace {

constexpr std::uint16_t TimerCounter2 = 0x42;
constexpr std::uint16_t TimerControl = 0x43;
constexpr std::uint16_t ControlPortB = 0x61;

// Counter 2, low byte then high byte, mode 3 (square wave), binary counting.
constexpr std::uint8_t SquareWaveOnCounter2 = 0xB6;
// Bit 0 opens the counter 2 gate, bit 1 connects the speaker.
constexpr std::uint8_t SpeakerBits = 0x03;
constexpr std::uint32_t TimerClock = 1193181;
// The lowest frequency whose divisor fits in 16 bits.
constexpr std::uint16_t LowestFrequency = 19;

} // namespace

std::uint8_t TPCSpeaker::PortIn(std::uint16_t port) {
    return platform::Ports().In(port);
}

void TPCSpeaker::PortOut(std::uint16_t port, std::uint16_t value) {
    platform::Ports().Out(port, static_cast<std::uint8_t>(value & 0xFF));
}

void TPCSpeaker::ToneOn(std::uint16_t frequency) {
    if (frequency < LowestFrequency) {
        return;
    }
    const std::uint32_t divisor = TimerClock / frequency;
    const std::uint8_t state = PortIn(ControlPortB);
    if ((state & SpeakerBits) == 0) {
        PortOut(ControlPortB, state | SpeakerBits);
        PortOut(TimerControl, SquareWaveOnCounter2);
    }
    PortOut(TimerCounter2, divisor & 0xFF);
    PortOut(TimerCounter2, (divisor >> 8) & 0xFF);
}

void TPCSpeaker::ToneOff() {
    const std::uint8_t state = PortIn(ControlPortB);
    PortOut(ControlPortB, state & static_cast<std::uint8_t>(~SpeakerBits));
}

void TPCSpeaker::Wait(std::uint32_t milliseconds) {
    platform::Time().Sleep(milliseconds);
}

void TPCSpeaker::PlayTone(std::uint16_t frequency, std::uint32_t duration) {
    ToneOn(frequency);
    Wait(duration);
    ToneOff();
}

} // namespace sound

#include "sound/PCSpeaker.h"

#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <vector>

namespace sound {

namespace {

using Access = platform::fake::FakeIoPorts::Access;

Access Read(std::uint16_t port, std::uint8_t value) {
    return {false, port, value};
}
Access Write(std::uint16_t port, std::uint8_t value) {
    return {true, port, value};
}

} // namespace

TEST(PCSpeaker, ToneOnWithSpeakerOffProgramsTheTimer) {
    struct Case {
        std::uint16_t frequency;
        std::uint8_t low;
        std::uint8_t high;
    } cases[] = {
        {19, 0x4F, 0xF5},   {2000, 0x54, 0x02},  {4000, 0x2A, 0x01},
        {9000, 0x84, 0x00}, {65535, 0x12, 0x00},
    };
    for (std::uint8_t state : {0x00, 0x20, 0xFC}) {
        for (const auto& c : cases) {
            platform::fake::FakePlatform fake;
            fake.ports.values[0x61] = state;
            TPCSpeaker speaker;
            speaker.ToneOn(c.frequency);
            const std::vector<Access> expected = {
                Read(0x61, state),  Write(0x61, state | 3), Write(0x43, 0xB6),
                Write(0x42, c.low), Write(0x42, c.high),
            };
            EXPECT_EQ(fake.ports.accesses, expected) << c.frequency << " " << +state;
        }
    }
}

TEST(PCSpeaker, ToneOnWithSpeakerOnOnlyReloadsTheDivisor) {
    for (std::uint8_t state : {0x01, 0x02, 0x03, 0xB3, 0x4D}) {
        platform::fake::FakePlatform fake;
        fake.ports.values[0x61] = state;
        TPCSpeaker speaker;
        speaker.ToneOn(2000);
        const std::vector<Access> expected = {Read(0x61, state), Write(0x42, 0x54),
                                              Write(0x42, 0x02)};
        EXPECT_EQ(fake.ports.accesses, expected) << +state;
    }
}

TEST(PCSpeaker, ToneOnBelow19HzTouchesNoPort) {
    platform::fake::FakePlatform fake;
    TPCSpeaker speaker;
    for (std::uint16_t frequency = 0; frequency <= 18; ++frequency) {
        speaker.ToneOn(frequency);
    }
    EXPECT_TRUE(fake.ports.accesses.empty());
}

TEST(PCSpeaker, ToneOffClearsOnlyTheSpeakerBits) {
    struct Case {
        std::uint8_t state;
        std::uint8_t written;
    } cases[] = {{0xB3, 0xB0}, {0x03, 0x00}, {0x00, 0x00}, {0xFF, 0xFC}, {0x21, 0x20}};
    for (const auto& c : cases) {
        platform::fake::FakePlatform fake;
        fake.ports.values[0x61] = c.state;
        TPCSpeaker speaker;
        speaker.ToneOff();
        const std::vector<Access> expected = {Read(0x61, c.state), Write(0x61, c.written)};
        EXPECT_EQ(fake.ports.accesses, expected) << +c.state;
    }
}

TEST(PCSpeaker, PortOutWritesTheLowByte) {
    platform::fake::FakePlatform fake;
    fake.ports.values[0x42] = 0x5A;
    TPCSpeaker speaker;
    speaker.PortOut(0x43, 0x1B6);
    EXPECT_EQ(speaker.PortIn(0x42), 0x5A);
    const std::vector<Access> expected = {Write(0x43, 0xB6), Read(0x42, 0x5A)};
    EXPECT_EQ(fake.ports.accesses, expected);
}

TEST(PCSpeaker, PlayToneIsOnWaitOff) {
    struct Case {
        std::uint16_t frequency;
        std::uint32_t duration;
        std::vector<Access> beforeSleep;
        std::vector<Access> afterSleep;
    } cases[] = {
        {2000,
         0,
         {Read(0x61, 0x20), Write(0x61, 0x23), Write(0x43, 0xB6), Write(0x42, 0x54),
          Write(0x42, 0x02)},
         {Read(0x61, 0x23), Write(0x61, 0x20)}},
        {10, 100, {}, {Read(0x61, 0x20), Write(0x61, 0x20)}},
    };
    for (const auto& c : cases) {
        platform::fake::FakePlatform fake;
        fake.ports.values[0x61] = 0x20;
        std::vector<Access> atSleep;
        fake.clock.onSleep = [&] { atSleep = fake.ports.accesses; };
        TPCSpeaker speaker;
        speaker.PlayTone(c.frequency, c.duration);
        EXPECT_EQ(fake.clock.log, std::vector<std::string>{"sleep:" + std::to_string(c.duration)});
        EXPECT_EQ(atSleep, c.beforeSleep) << c.frequency;
        std::vector<Access> all = c.beforeSleep;
        all.insert(all.end(), c.afterSleep.begin(), c.afterSleep.end());
        EXPECT_EQ(fake.ports.accesses, all) << c.frequency;
        EXPECT_EQ(fake.ports.values[0x61] & 3, 0) << c.frequency;
    }
}

} // namespace sound

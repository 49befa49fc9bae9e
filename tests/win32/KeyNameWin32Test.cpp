// Key names from the real keyboard layout under Wine.

#include "macros/KeyCode.h"
#include "platform/Services.h"
#include "platform/win32/Win32Keyboard.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class KeyNameWin32 : public testing::Test {
protected:
    void SetUp() override {
        platform::Services services = platform::Installed();
        services.keyboard = &keyboard_;
        earlier_ = platform::Install(services);
    }
    void TearDown() override { platform::Install(earlier_); }

private:
    platform::win32::Win32Keyboard keyboard_;
    platform::Services earlier_;
};

TEST_F(KeyNameWin32, LettersAndFunctionKeysAreNamedAsOnWindows) {
    struct Case {
        std::uint16_t virtualKey;
        const char* name;
    } cases[] = {
        {0x47, "G"}, {0x41, "A"}, {0x70, "F1"}, {0x79, "F10"}, {0x7B, "F12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyName(c.virtualKey), c.name) << "virtual key " << c.virtualKey;
    }
}

// The cursor block has no fixed names under Wine (X key names, or the keypad twins): the
// names are shown, not checked.
TEST_F(KeyNameWin32, CursorBlockNamesAreShown) {
    struct Case {
        std::uint16_t virtualKey;
        const char* key;
    } cases[] = {
        {0x25, "Left"},   {0x26, "Up"},     {0x27, "Right"}, {0x28, "Down"},
        {0x2D, "Insert"}, {0x2E, "Delete"}, {0x24, "Home"},  {0x23, "End"},
    };
    for (const auto& c : cases) {
        const std::string name = KeyName(c.virtualKey);
        std::printf("KeyName(0x%02X, %s) = \"%s\"\n", c.virtualKey, c.key, name.c_str());
        RecordProperty(c.key, name);
    }
}

} // namespace

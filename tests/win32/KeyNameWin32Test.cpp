// Key names from the real keyboard layout under Wine.

#include "macros/KeyCode.h"
#include "platform/Services.h"
#include "platform/win32/Win32Keyboard.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class KeyNameWin32 : public testing::Test {
private:
    struct {
        platform::win32::Win32Keyboard keyboard;
    } real_;
    platform::InstalledServices installed_{platform::ServicesOf(real_, platform::Installed())};
};

TEST_F(KeyNameWin32, LettersAndFunctionKeysAreNamedAsOnWindows) {
    struct Case {
        std::uint16_t virtualKey;
        const char* name;
    } cases[] = {
        {0x47, "G"}, {0x41, "A"}, {0x70, "F1"}, {0x79, "F10"}, {0x7B, "F12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(macros::KeyName(c.virtualKey), c.name) << "virtual key " << c.virtualKey;
    }
}

// The cursor block has no fixed names under Wine (X key names, or the keypad twins), but
// the list sorts by them: each key needs a name, and one of its own.
TEST_F(KeyNameWin32, EveryCursorBlockKeyHasANameOfItsOwn) {
    std::set<std::string> names;
    for (std::uint16_t virtualKey : {0x25, 0x26, 0x27, 0x28, 0x2D, 0x2E, 0x24, 0x23}) {
        const std::string name = macros::KeyName(virtualKey);
        EXPECT_FALSE(name.empty()) << "virtual key " << virtualKey;
        EXPECT_TRUE(names.insert(name).second) << name;
    }
}

} // namespace

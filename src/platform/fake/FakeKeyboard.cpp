#include "platform/fake/FakeKeyboard.h"

namespace platform::fake {

FakeKeyboard::FakeKeyboard() {
    // Scan codes of a PC keyboard (set 1) for the keys tests name.
    const char* row1 = "QWERTZUIOP";
    const char* row2 = "ASDFGHJKL";
    const char* row3 = "YXCVBNM";
    for (int i = 0; row1[i]; ++i) {
        scanCodes[static_cast<unsigned char>(row1[i])] = 0x10 + i;
        names[0x10 + i] = std::string(1, row1[i]);
    }
    for (int i = 0; row2[i]; ++i) {
        scanCodes[static_cast<unsigned char>(row2[i])] = 0x1E + i;
        names[0x1E + i] = std::string(1, row2[i]);
    }
    for (int i = 0; row3[i]; ++i) {
        scanCodes[static_cast<unsigned char>(row3[i])] = 0x2C + i;
        names[0x2C + i] = std::string(1, row3[i]);
    }
    for (int i = 1; i <= 9; ++i) {
        scanCodes['0' + i] = 0x01 + i;
        names[0x01 + i] = std::string(1, static_cast<char>('0' + i));
    }
    scanCodes['0'] = 0x0B;
    names[0x0B] = "0";
    for (int i = 0; i < 10; ++i) { // F1..F10
        scanCodes[0x70 + i] = 0x3B + i;
        names[0x3B + i] = "F" + std::to_string(i + 1);
    }
    scanCodes[0x7A] = 0x57;
    names[0x57] = "F11";
    scanCodes[0x7B] = 0x58;
    names[0x58] = "F12";
    // Cursor keys share their scan codes with the keypad.
    scanCodes[0x25] = 0x4B;
    names[0x4B] = "Num 4";
    scanCodes[0x2D] = 0x52;
    names[0x52] = "Num 0";
    scanCodes[0x2E] = 0x53;
    names[0x53] = "Num ,";
    scanCodes[0xC0] = 0x29;
    names[0x29] = "^";
}

std::uint32_t FakeKeyboard::ScanCode(std::uint32_t virtualKey) {
    auto it = scanCodes.find(virtualKey);
    return it == scanCodes.end() ? 0 : it->second;
}

std::string FakeKeyboard::KeyNameText(std::int32_t lParam) {
    nameRequests.push_back(lParam);
    auto it = names.find((static_cast<std::uint32_t>(lParam) >> 16) & 0xFF);
    return it == names.end() ? std::string() : it->second;
}

bool FakeKeyboard::IsDown(std::uint32_t virtualKey) {
    auto it = down.find(virtualKey);
    return it != down.end() && it->second;
}

} // namespace platform::fake

#include "platform/Cp1252.h"

namespace platform {

char Cp1252Upper(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') {
        return static_cast<char>(b - 0x20);
    }
    switch (b) {
    case 0x9A:
        return static_cast<char>(0x8A); // š
    case 0x9C:
        return static_cast<char>(0x8C); // œ
    case 0x9E:
        return static_cast<char>(0x8E); // ž
    case 0xFF:
        return static_cast<char>(0x9F); // ÿ
    default:
        break;
    }
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) {
        return static_cast<char>(b - 0x20);
    }
    return c;
}

std::string Cp1252UpperText(const std::string& text) {
    std::string upper = text;
    for (char& c : upper) {
        c = Cp1252Upper(c);
    }
    return upper;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Cp1252Upper(a[i]) != Cp1252Upper(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace platform

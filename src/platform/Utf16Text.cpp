#include "platform/Utf16Text.h"

#include <array>

namespace platform {
namespace {

// Bytes 0x80 to 0x9F of code page 1252.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

std::u16string Utf16FromCp1252(std::string_view cp1252) {
    std::u16string text;
    text.reserve(cp1252.size());
    for (char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t{byte};
    }
    return text;
}

std::string Cp1252FromUtf16(std::u16string_view text, bool* lossy) {
    std::string out;
    out.reserve(text.size());
    bool lost = false;
    for (char16_t c : text) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char byte = '?';
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] == c) {
                byte = static_cast<char>(0x80 + i);
                break;
            }
        }
        lost = lost || byte == '?';
        out += byte;
    }
    if (lossy != nullptr) {
        *lossy = lost;
    }
    return out;
}

std::vector<std::uint8_t> Utf16LeBytes(std::u16string_view text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return bytes;
}

std::u16string Utf16FromLeBytes(const std::vector<std::uint8_t>& bytes) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text += static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
    }
    return text;
}

std::u16string AsciiUpper(std::u16string_view text) {
    std::u16string upper(text);
    for (char16_t& c : upper) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - 0x20);
        }
    }
    return upper;
}

bool SameIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && AsciiUpper(a) == AsciiUpper(b);
}

} // namespace platform

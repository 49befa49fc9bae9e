#include "platform/win32/WideText.h"

#include <windows.h>

#include <array>
#include <cstdint>

namespace platform::win32 {
namespace {

constexpr UINT kCodePage = 1252;

// The system's code page 1252 in both directions, asked once for every byte. Converting
// through these tables gives exactly the system's result, without a call per text (the
// registry and the list hand over thousands of texts at a time).
struct Cp1252Tables {
    std::array<wchar_t, 256> toWide{};
    std::array<std::uint16_t, 65536> toByte{}; // byte + 1, or 0 when 1252 has no such character

    Cp1252Tables() {
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            wchar_t wide = L'?';
            MultiByteToWideChar(kCodePage, 0, &byte, 1, &wide, 1);
            toWide[static_cast<std::size_t>(b)] = wide;
        }
        for (int b = 255; b >= 0; --b) {
            toByte[toWide[static_cast<std::size_t>(b)]] = static_cast<std::uint16_t>(b + 1);
        }
    }
};

const Cp1252Tables& Tables() {
    static const Cp1252Tables tables;
    return tables;
}

// unitAt(i) gives the i-th UTF-16 unit; characters 1252 cannot hold become '?'.
template <class UnitAt> bool NarrowUnits(std::size_t length, char* out, UnitAt unitAt) {
    const auto& table = Tables().toByte;
    bool changed = false;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint16_t entry = table[unitAt(i)];
        if (entry == 0) {
            out[i] = '?';
            changed = true;
        } else {
            out[i] = static_cast<char>(entry - 1);
        }
    }
    return changed;
}

} // namespace

std::wstring Wide(std::string_view cp1252) {
    const auto& table = Tables().toWide;
    std::wstring wide(cp1252.size(), L'\0');
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        wide[i] = table[static_cast<unsigned char>(cp1252[i])];
    }
    return wide;
}

bool NarrowInto(const wchar_t* wide, std::size_t length, char* out) {
    return NarrowUnits(length, out,
                       [&](std::size_t i) { return static_cast<std::uint16_t>(wide[i]); });
}

bool NarrowInto(const unsigned char* utf16, std::size_t length, char* out) {
    return NarrowUnits(length, out, [&](std::size_t i) {
        return static_cast<std::uint16_t>(utf16[2 * i] | (utf16[2 * i + 1] << 8));
    });
}

std::string Narrow(const wchar_t* wide, std::size_t length, bool* lossy) {
    std::string text(length, '\0');
    const bool changed = NarrowInto(wide, length, text.data());
    if (lossy != nullptr) {
        *lossy = changed;
    }
    return text;
}

std::string Narrow(const std::wstring& wide, bool* lossy) {
    return Narrow(wide.data(), wide.size(), lossy);
}

std::wstring WideOf(std::u16string_view utf16) {
    return std::wstring(utf16.begin(), utf16.end());
}

std::u16string Utf16Of(std::wstring_view wide) {
    return std::u16string(wide.begin(), wide.end());
}

} // namespace platform::win32

// Fuzz target: a value name read as a key code. A name is accepted exactly when it is a
// hexadecimal number of at most 32 bits, and an accepted code comes back unchanged from its
// own eight-digit name.
#include "macros/KeyCode.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether the name is a number that fits 32 bits, worked out apart from the parser.
bool ShouldAccept(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    for (char c : name) {
        if (!IsHexDigit(c)) {
            return false;
        }
    }
    const std::size_t firstDigit = name.find_first_not_of('0');
    return firstDigit == std::string::npos || name.size() - firstDigit <= 8;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);
    const std::optional<macros::TKeyCode> code = macros::ValueNameToKeyCode(name);
    if (code.has_value() != ShouldAccept(name)) {
        std::abort();
    }
    if (code) {
        const std::string stored = macros::KeyCodeToValueName(*code);
        if (stored.size() != 8 || macros::ValueNameToKeyCode(stored) != code) {
            std::abort();
        }
        if (std::strtoull(name.c_str(), nullptr, 16) != *code) {
            std::abort();
        }
    }
    return 0;
}

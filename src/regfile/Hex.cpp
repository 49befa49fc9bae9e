#include "regfile/Hex.h"

#include "platform/Registry.h"

#include <cstdio>

namespace regfile {

int HexDigitValue(char32_t c) {
    if (c >= U'0' && c <= U'9') {
        return static_cast<int>(c - U'0');
    }
    if (c >= U'a' && c <= U'f') {
        return static_cast<int>(c - U'a' + 10);
    }
    if (c >= U'A' && c <= U'F') {
        return static_cast<int>(c - U'A' + 10);
    }
    return -1;
}

std::string HexPrefix(std::uint32_t type) {
    if (type == platform::TypeNumber(platform::RegType::Binary)) {
        return "hex:";
    }
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(type));
    return prefix;
}

std::string HexData(std::uint32_t type, const std::uint8_t* bytes, std::size_t count,
                    HexStyle style) {
    const char* digits = style.upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string out = HexPrefix(type);
    out.reserve(out.size() + count * 3 + (style.bytesPerLine ? count / style.bytesPerLine * 5 : 0));
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            out += ',';
            if (style.bytesPerLine != 0 && i % style.bytesPerLine == 0) {
                out += "\\\r\n  ";
            }
        }
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 0x0F];
    }
    return out;
}

} // namespace regfile

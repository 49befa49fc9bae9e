// Shared by the registry-file tests: files in UTF-16 and a readable form of what is read.
#pragma once

#include "regfile/Reader.h"

#include <string>

namespace regfiletest {

inline std::u16string Number(std::size_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

// The bytes of a UTF-16 file: byte-order mark, then each character low byte first.
inline std::string Utf16File(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

// Texts as their characters in quotes ("\0" for a zero), other data as hex bytes.
inline std::u16string DataText(const regfile::RegFileValue& value) {
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    const bool text = value.type == 1 || value.type == 2 || value.type == 7;
    std::u16string out;
    if (text && value.data.size() % 2 == 0) {
        out += u'"';
        for (std::size_t i = 0; i < value.data.size(); i += 2) {
            const char16_t c = static_cast<char16_t>(value.data[i] | value.data[i + 1] << 8);
            out += c == 0 ? u"\\0" : std::u16string(1, c);
        }
        return out + u'"';
    }
    for (std::uint8_t b : value.data) {
        out += out.empty() ? u"" : u" ";
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

// One line per section and per value: "L3 [key]", "L4 "name"=1:"text\0"", "L5 @=-".
inline std::u16string Rendered(const regfile::RegFile& file) {
    std::u16string out;
    for (const regfile::RegFileSection& section : file.sections) {
        out += u"L" + Number(section.line) + (section.remove ? u" [-" : u" [") + section.keyName +
               u"]\n";
        for (const regfile::RegFileChange& change : section.changes) {
            out += u"L" + Number(change.line) + u" ";
            out += change.value.name.empty() ? u"@" : u"\"" + change.value.name + u"\"";
            out += change.remove ? u"=-"
                                 : u"=" + Number(change.value.type) + u":" + DataText(change.value);
            out += u"\n";
        }
    }
    return out;
}

} // namespace regfiletest

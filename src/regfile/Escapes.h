// Names and texts in double quotes, as both registry editors read them back.
#pragma once

#include <string>
#include <string_view>

namespace regfile {

// A backslash before a double quote and before a backslash; "\r" and "\n" for line breaks
// (unescaped, they would end the line early). Works on code page 1252 bytes and on UTF-16
// alike: only ASCII characters are escaped.
template <class Char> std::basic_string<Char> Quoted(std::basic_string_view<Char> text) {
    std::basic_string<Char> out;
    out.reserve(text.size() + 2);
    out += Char('"');
    for (Char c : text) {
        switch (c) {
        case Char('"'):
        case Char('\\'):
            out += Char('\\');
            out += c;
            break;
        case Char('\r'):
            out += Char('\\');
            out += Char('r');
            break;
        case Char('\n'):
            out += Char('\\');
            out += Char('n');
            break;
        default:
            out += c;
        }
    }
    out += Char('"');
    return out;
}

} // namespace regfile

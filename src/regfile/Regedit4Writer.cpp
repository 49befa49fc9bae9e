#include "regfile/Regedit4Writer.h"

#include "regfile/Escapes.h"
#include "regfile/Hex.h"

#include <algorithm>
#include <cstdio>

namespace regfile {
namespace {

using platform::RegType;
using platform::TypeNumber;

void AppendKeyLine(std::string& file, std::string_view opening, std::string_view root,
                   std::string_view path) {
    file += opening;
    file += root;
    file += '\\';
    file += path;
    file += ']';
    file += kRegedit4LineEnd;
}

} // namespace

std::string Regedit4Data(const platform::RegValue& value) {
    const auto type = value.type;
    if (type == TypeNumber(RegType::Sz)) {
        // The text ends at its terminating zero (and at any zero stored before it).
        const auto end = std::find(value.data.begin(), value.data.end(), std::uint8_t{0});
        const std::string text(value.data.begin(), end);
        if (text.find_first_of("\r\n") == std::string::npos) {
            return Quoted<char>(text);
        }
        // A line break cannot stand inside a quoted text of a REGEDIT4 file: the editor
        // would end the line there. As hex(1) the same bytes, with their terminating zero,
        // are read back as a text in the file's code page (as the editor exports expandable
        // texts).
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        return HexData(type, bytes.data(), bytes.size(), kRegedit4Hex);
    }
    if (type == TypeNumber(RegType::DWord) && value.data.size() == 4) {
        const std::uint32_t number = static_cast<std::uint32_t>(value.data[0]) |
                                     static_cast<std::uint32_t>(value.data[1]) << 8 |
                                     static_cast<std::uint32_t>(value.data[2]) << 16 |
                                     static_cast<std::uint32_t>(value.data[3]) << 24;
        char data[16];
        std::snprintf(data, sizeof data, "dword:%08X", static_cast<unsigned>(number));
        return data;
    }
    // Byte strings, and every other type byte for byte under its own type number.
    return HexData(type, value.data.data(), value.data.size(), kRegedit4Hex);
}

void AppendRegedit4Section(std::string& file, std::string_view root, std::string_view path,
                           const std::vector<std::pair<std::string, platform::RegValue>>& values) {
    AppendKeyLine(file, "[", root, path);
    for (const auto& [name, value] : values) {
        file += Quoted<char>(name);
        file += '=';
        file += Regedit4Data(value);
        file += kRegedit4LineEnd;
    }
    file += kRegedit4LineEnd;
}

void AppendRegedit4Removal(std::string& file, std::string_view root, std::string_view path) {
    AppendKeyLine(file, "[-", root, path);
    file += kRegedit4LineEnd;
}

} // namespace regfile

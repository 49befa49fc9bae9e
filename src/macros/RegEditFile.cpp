#include "macros/RegEditFile.h"

#include "platform/Services.h"
#include "settings/Layout.h"
#include "settings/StoreError.h"

#include <cstdio>

namespace macros {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kCurrentUserRoot = "HKEY_CURRENT_USER";

void AppendHexBytes(std::string& out, const std::uint8_t* bytes, std::size_t count) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out.reserve(out.size() + count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            out += ',';
        }
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 0x0F];
    }
}

// "hex(N):" with the type number in lower-case hexadecimal, as the registry editor
// writes it; plain "hex:" for byte strings.
std::string HexData(std::uint32_t type, const std::uint8_t* bytes, std::size_t count) {
    std::string out;
    if (type == static_cast<std::uint32_t>(platform::RegType::Binary)) {
        out = "hex:";
    } else {
        char prefix[24];
        std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(type));
        out = prefix;
    }
    AppendHexBytes(out, bytes, count);
    return out;
}

// A value name or text in double quotes. The registry editor reads a backslash before a
// double quote or a backslash, and "\r" and "\n" for line breaks: unescaped, a name holding
// one of them would end the name or the line early and be imported as another value or not
// at all. (Texts with line breaks are written as hex(1) instead.)
std::string Quoted(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"':
        case '\\':
            out += '\\';
            out += c;
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

} // namespace

std::string RegEditData(const platform::RegValue& value) {
    const auto type = value.type;
    if (type == static_cast<std::uint32_t>(platform::RegType::Sz)) {
        const std::string text = settings::TRegistry::TextOf(value);
        if (text.find_first_of("\r\n") == std::string::npos) {
            return Quoted(text);
        }
        // A line break cannot stand inside a quoted text of a REGEDIT4 file: the editor
        // would end the line there. As hex(1) the same bytes, with their terminating zero,
        // are read back as a text in the file's code page (as the editor exports expandable
        // texts).
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        return HexData(type, bytes.data(), bytes.size());
    }
    if (type == static_cast<std::uint32_t>(platform::RegType::DWord) && value.data.size() == 4) {
        const std::uint32_t number = static_cast<std::uint32_t>(value.data[0]) |
                                     static_cast<std::uint32_t>(value.data[1]) << 8 |
                                     static_cast<std::uint32_t>(value.data[2]) << 16 |
                                     static_cast<std::uint32_t>(value.data[3]) << 24;
        char data[16];
        std::snprintf(data, sizeof data, "dword:%08X", static_cast<unsigned>(number));
        return data;
    }
    // Byte strings, and every other type byte for byte under its own type number.
    return HexData(type, value.data.data(), value.data.size());
}

void ExportKeyToFile(std::string& file, settings::TRegistry& registry, const std::string& keyPath) {
    if (!registry.OpenKeyReadOnly(keyPath)) {
        if (registry.LastOpenStatus() != platform::kRegFileNotFound) {
            settings::RaiseKeyReadError(registry.FullKeyName(keyPath),
                                        platform::Reg().ErrorText(registry.LastOpenStatus()));
        }
        return;
    }
    const char* root = registry.RootKey() == platform::Hive::LocalMachine ? "HKEY_LOCAL_MACHINE"
                                                                          : kCurrentUserRoot;
    file += "[";
    file += root;
    file += "\\";
    file += platform::TrimBackslashes(keyPath);
    file += "]";
    file += kLineEnd;
    for (const auto& [name, value] : registry.GetValues()) {
        file += Quoted(name);
        file += '=';
        file += RegEditData(value);
        file += kLineEnd;
    }
    file += kLineEnd;
    registry.CloseKey();
}

std::string RegEditFileOfKey(const std::string& keyPath, bool replaceKey) {
    std::string file = "REGEDIT4";
    file += kLineEnd;
    file += kLineEnd;
    if (replaceKey) {
        file += "[-";
        file += kCurrentUserRoot;
        file += "\\";
        file += platform::TrimBackslashes(keyPath);
        file += "]";
        file += kLineEnd;
        file += kLineEnd;
    }
    settings::TRegistry registry(platform::Hive::CurrentUser);
    ExportKeyToFile(file, registry, keyPath);
    file += kLineEnd;
    return file;
}

std::string MacroExportFile() {
    return RegEditFileOfKey(settings::kMacroKey, false);
}

} // namespace macros

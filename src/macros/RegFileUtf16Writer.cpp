#include "macros/RegFileUtf16Writer.h"

#include "platform/Utf16Text.h"

namespace macros {
namespace {

constexpr std::u16string_view kHeader = u"Windows Registry Editor Version 5.00";
constexpr std::u16string_view kRoot = u"HKEY_CURRENT_USER\\";
constexpr std::u16string_view kLineEnd = u"\r\n";
// Hex data is wrapped after this many bytes, as the registry editor keeps its lines short.
constexpr std::size_t kBytesPerLine = 25;

constexpr std::uint32_t kSz = 1;
constexpr std::uint32_t kExpandSz = 2;
constexpr std::uint32_t kBinary = 3;
constexpr std::uint32_t kDWord = 4;
constexpr std::uint32_t kMultiSz = 7;

std::u16string Quoted(std::u16string_view text) {
    std::u16string out = u"\"";
    for (char16_t c : text) {
        switch (c) {
        case u'\\':
        case u'"':
            out += u'\\';
            out += c;
            break;
        case u'\r':
            out += u"\\r";
            break;
        case u'\n':
            out += u"\\n";
            break;
        default:
            out += c;
        }
    }
    out += u'"';
    return out;
}

// A text the quoted form gives back byte for byte: one zero character, at its end, and no
// line break (the editors do not agree on escapes inside texts).
bool IsPlainText(const RegFileValue& value) {
    if (value.type != kSz || value.data.size() < 2 || value.data.size() % 2 != 0) {
        return false;
    }
    const std::u16string text = platform::Utf16FromLeBytes(value.data);
    return text.back() == u'\0' &&
           text.find_first_of(std::u16string_view(u"\r\n\0", 3)) == text.size() - 1;
}

void AppendHex(std::u16string& out, std::vector<std::uint8_t> bytes, std::uint32_t type) {
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    if (type == kBinary) {
        out += u"hex:";
    } else {
        out += u"hex(";
        std::u16string number;
        for (std::uint32_t rest = type; number.empty() || rest != 0; rest >>= 4) {
            number.insert(number.begin(), kDigits[rest & 0x0F]);
        }
        out += number + u"):";
    }
    // A text in UTF-16 is read as whole characters: an odd last byte gets its zero partner.
    if ((type == kSz || type == kExpandSz || type == kMultiSz) && bytes.size() % 2 != 0) {
        bytes.push_back(0);
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) {
            out += u',';
            if (i % kBytesPerLine == 0) {
                out += u'\\';
                out += kLineEnd;
                out += u"  ";
            }
        }
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 0x0F];
    }
}

void AppendValue(std::u16string& out, const RegFileValue& value) {
    out += value.name.empty() ? u"@" : Quoted(value.name);
    out += u'=';
    if (IsPlainText(value)) {
        const std::u16string text = platform::Utf16FromLeBytes(value.data);
        out += Quoted(std::u16string_view(text).substr(0, text.size() - 1));
    } else if (value.type == kDWord && value.data.size() == 4) {
        static constexpr char16_t kDigits[] = u"0123456789abcdef";
        out += u"dword:";
        for (std::size_t i = 4; i-- > 0;) {
            out += kDigits[value.data[i] >> 4];
            out += kDigits[value.data[i] & 0x0F];
        }
    } else {
        AppendHex(out, value.data, value.type);
    }
    out += kLineEnd;
}

bool Writable(std::u16string_view keyPath) {
    return keyPath.find_first_of(std::u16string_view(u"\r\n\0", 3)) == std::u16string_view::npos;
}

} // namespace

std::optional<std::string> RegFileUtf16(const std::u16string& path,
                                        const std::vector<RegFileKey>& keys) {
    if (!Writable(path)) {
        return std::nullopt;
    }
    std::u16string text(kHeader);
    text += kLineEnd;
    text += kLineEnd;
    text += u"[-";
    text += kRoot;
    text += path;
    text += u']';
    text += kLineEnd;
    text += kLineEnd;
    for (const RegFileKey& key : keys) {
        if (!Writable(key.path)) {
            return std::nullopt;
        }
        text += u'[';
        text += kRoot;
        text += key.path;
        text += u']';
        text += kLineEnd;
        for (const RegFileValue& value : key.values) {
            if (value.name.find(u'\0') != std::u16string::npos) {
                return std::nullopt;
            }
            AppendValue(text, value);
        }
        text += kLineEnd;
    }
    std::string bytes = "\xFF\xFE";
    bytes.reserve(2 + text.size() * 2);
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

} // namespace macros

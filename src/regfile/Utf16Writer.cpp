#include "regfile/Utf16Writer.h"

#include "platform/Registry.h"
#include "platform/Utf16Text.h"
#include "regfile/Escapes.h"
#include "regfile/Hex.h"

#include <algorithm>

namespace regfile {
namespace {

constexpr std::u16string_view kHeader = u"Windows Registry Editor Version 5.00";
constexpr std::u16string_view kLineEnd = u"\r\n";

using platform::RegType;
using platform::TypeNumber;

// A text the quoted form gives back byte for byte: one zero character, at its end, and no
// line break (the editors do not agree on escapes inside texts).
bool IsPlainText(const RegFileValue& value) {
    if (value.type != TypeNumber(RegType::Sz) || value.data.size() < 2 ||
        value.data.size() % 2 != 0) {
        return false;
    }
    const std::u16string text = platform::Utf16FromLeBytes(value.data);
    return text.back() == u'\0' &&
           text.find_first_of(std::u16string_view(u"\r\n\0", 3)) == text.size() - 1;
}

void AppendAscii(std::u16string& out, const std::string& ascii) {
    out.append(ascii.begin(), ascii.end());
}

void AppendData(std::u16string& out, const RegFileValue& value) {
    if (IsPlainText(value)) {
        const std::u16string text = platform::Utf16FromLeBytes(value.data);
        out += Quoted(std::u16string_view(text).substr(0, text.size() - 1));
    } else if (value.type == TypeNumber(RegType::DWord) && value.data.size() == 4) {
        static constexpr char16_t kDigits[] = u"0123456789abcdef";
        out += u"dword:";
        for (std::size_t i = 4; i-- > 0;) {
            out += kDigits[value.data[i] >> 4];
            out += kDigits[value.data[i] & 0x0F];
        }
    } else {
        std::vector<std::uint8_t> bytes = value.data;
        // A text in UTF-16 is read as whole characters: an odd last byte gets its zero partner.
        if (platform::IsTextType(value.type) && bytes.size() % 2 != 0) {
            bytes.push_back(0);
        }
        AppendAscii(out, HexData(value.type, bytes.data(), bytes.size(), kUtf16Hex));
    }
}

bool Writable(std::u16string_view keyPath) {
    return keyPath.find_first_of(std::u16string_view(u"\r\n\0", 3)) == std::u16string_view::npos;
}

bool SameSection(const RegFileSection& a, const RegFileSection& b) {
    const auto sameChange = [](const RegFileChange& x, const RegFileChange& y) {
        return x.remove == y.remove && x.value.name == y.value.name &&
               (x.remove || (x.value.type == y.value.type && x.value.data == y.value.data));
    };
    return a.remove == b.remove && a.root == b.root && a.path == b.path &&
           std::equal(a.changes.begin(), a.changes.end(), b.changes.begin(), b.changes.end(),
                      sameChange);
}

} // namespace

std::optional<std::string> WriteUtf16(const RegFile& file) {
    std::u16string text(kHeader);
    text += kLineEnd;
    text += kLineEnd;
    for (const RegFileSection& section : file.sections) {
        if (!Writable(section.path)) {
            return std::nullopt;
        }
        text += section.remove ? u"[-" : u"[";
        text += RootName(section.root);
        if (!section.path.empty()) {
            text += u'\\';
            text += section.path;
        }
        text += u']';
        text += kLineEnd;
        for (const RegFileChange& change : section.changes) {
            if (change.value.name.find(u'\0') != std::u16string::npos) {
                return std::nullopt;
            }
            text += change.value.name.empty() ? u"@" : Quoted<char16_t>(change.value.name);
            text += u'=';
            if (change.remove) {
                text += u'-';
            } else {
                AppendData(text, change.value);
            }
            text += kLineEnd;
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

RegFile ReplacingKey(const std::u16string& path, const std::vector<RegFileKey>& keys) {
    RegFile file;
    file.utf16 = true;
    file.sections.push_back({0, true, RegRoot::CurrentUser, path, {}, {}});
    for (const RegFileKey& key : keys) {
        RegFileSection section{0, false, RegRoot::CurrentUser, key.path, {}, {}};
        for (const RegFileValue& value : key.values) {
            section.changes.push_back({0, false, value});
        }
        file.sections.push_back(std::move(section));
    }
    return file;
}

std::optional<std::string> RegFileUtf16(const std::u16string& path,
                                        const std::vector<RegFileKey>& keys) {
    return WriteUtf16(ReplacingKey(path, keys));
}

bool SameChanges(const RegFile& a, const RegFile& b) {
    return std::equal(a.sections.begin(), a.sections.end(), b.sections.begin(), b.sections.end(),
                      SameSection);
}

} // namespace regfile

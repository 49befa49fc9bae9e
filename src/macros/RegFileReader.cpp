#include "macros/RegFileReader.h"

#include "platform/Utf16Text.h"

#include <algorithm>
#include <array>

namespace macros {
namespace {

constexpr std::u16string_view kRegedit4 = u"REGEDIT4";
constexpr std::u16string_view kRegedit5 = u"Windows Registry Editor Version 5.00";

struct RootName {
    std::u16string_view name;
    RegRoot root;
};
constexpr std::array<RootName, 6> kRoots = {{
    {u"HKEY_CLASSES_ROOT", RegRoot::ClassesRoot},
    {u"HKEY_CURRENT_USER", RegRoot::CurrentUser},
    {u"HKEY_LOCAL_MACHINE", RegRoot::LocalMachine},
    {u"HKEY_USERS", RegRoot::Users},
    {u"HKEY_CURRENT_CONFIG", RegRoot::CurrentConfig},
    {u"HKEY_DYN_DATA", RegRoot::DynData},
}};

constexpr std::uint32_t kSz = 1;
constexpr std::uint32_t kExpandSz = 2;
constexpr std::uint32_t kBinary = 3;
constexpr std::uint32_t kDWord = 4;
constexpr std::uint32_t kMultiSz = 7;

// Thrown inside the reader; ReadRegFile turns it into the error of the current line.
struct Refusal {
    std::string reason;
};

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

int HexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return -1;
}

char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c;
}

bool SameAsciiIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

void SkipBlanks(std::u16string_view text, std::size_t& at) {
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
}

// After a value's data only blanks and a comment may follow.
void ExpectLineEnd(std::u16string_view text, std::size_t at) {
    SkipBlanks(text, at);
    if (at < text.size() && text[at] != u';') {
        throw Refusal{"Unerwartete Zeichen nach dem Wert"};
    }
}

// A double-quoted text from text[at], just past its opening quote; at ends past the closing
// quote. The editor reads \\, \", \r and \n; every other backslash is refused.
std::u16string Unquoted(std::u16string_view text, std::size_t& at) {
    std::u16string out;
    while (at < text.size()) {
        const char16_t c = text[at++];
        if (c == u'"') {
            return out;
        }
        if (c != u'\\') {
            out += c;
            continue;
        }
        const char16_t escaped = at < text.size() ? text[at++] : u'\0';
        switch (escaped) {
        case u'\\':
        case u'"':
            out += escaped;
            break;
        case u'r':
            out += u'\r';
            break;
        case u'n':
            out += u'\n';
            break;
        default:
            throw Refusal{"Unbekannte Escape-Folge nach \"\\\""};
        }
    }
    throw Refusal{"Schließendes Anführungszeichen fehlt"};
}

bool IsTextType(std::uint32_t type) {
    return type == kSz || type == kExpandSz || type == kMultiSz;
}

class Reader {
public:
    Reader(std::u16string text, bool utf16) : text_(std::move(text)), utf16_(utf16) {}

    RegFile Read() {
        RegFile file;
        file.utf16 = utf16_;
        std::u16string_view line;
        if (!NextLine(line)) {
            throw Refusal{"Die Datei ist leer"};
        }
        std::size_t at = 0;
        SkipBlanks(line, at);
        if (line.substr(at) != (utf16_ ? kRegedit5 : kRegedit4)) {
            throw Refusal{utf16_ ? "Die erste Zeile ist nicht „Windows Registry Editor Version "
                                   "5.00“"
                                 : "Die erste Zeile ist nicht „REGEDIT4“"};
        }
        while (NextLine(line)) {
            at = 0;
            SkipBlanks(line, at);
            if (at == line.size() || line[at] == u';') {
                continue;
            }
            if (line[at] == u'[') {
                file.sections.push_back(Section(line.substr(at + 1)));
            } else if (line[at] == u'@' || line[at] == u'"') {
                if (file.sections.empty() || file.sections.back().remove) {
                    throw Refusal{"Wert ohne Schlüssel"};
                }
                file.sections.back().changes.push_back(Change(line.substr(at)));
            } else {
                throw Refusal{"Die Zeile ist weder Schlüssel noch Wert noch Kommentar"};
            }
        }
        return file;
    }

    std::size_t LineNumber() const { return lineNumber_; }

private:
    // The next line without its end (CR LF, CR or LF); false at the end of the text.
    bool NextLine(std::u16string_view& line) {
        if (at_ >= text_.size()) {
            return false;
        }
        ++lineNumber_;
        const std::size_t end = text_.find_first_of(u"\r\n", at_);
        const std::size_t stop = end == std::u16string::npos ? text_.size() : end;
        line = std::u16string_view(text_).substr(at_, stop - at_);
        at_ = stop;
        if (at_ < text_.size()) {
            at_ += text_[at_] == u'\r' && at_ + 1 < text_.size() && text_[at_ + 1] == u'\n' ? 2 : 1;
        }
        if (line.find(u'\0') != std::u16string_view::npos) {
            throw Refusal{"Die Zeile enthält ein Nullzeichen"};
        }
        return true;
    }

    // rest: the section line after its "[".
    RegFileSection Section(std::u16string_view rest) {
        RegFileSection section;
        section.line = lineNumber_;
        const std::size_t close = rest.rfind(u']');
        if (close == std::u16string_view::npos) {
            throw Refusal{"Schließende Klammer „]“ fehlt"};
        }
        std::size_t after = close + 1;
        SkipBlanks(rest, after);
        if (after < rest.size() && rest[after] != u';') {
            throw Refusal{"Unerwartete Zeichen nach „]“"};
        }
        std::u16string_view name = rest.substr(0, close);
        if (!name.empty() && name.front() == u'-') {
            section.remove = true;
            name.remove_prefix(1);
        }
        const std::size_t slash = name.find(u'\\');
        const std::u16string_view rootName = name.substr(0, slash);
        bool known = false;
        for (const RootName& root : kRoots) {
            if (SameAsciiIgnoringCase(rootName, root.name)) {
                section.root = root.root;
                known = true;
            }
        }
        if (!known) {
            throw Refusal{"Unbekannter Hauptschlüssel"};
        }
        if (slash != std::u16string_view::npos) {
            section.path = name.substr(slash + 1);
        }
        section.keyName = name;
        return section;
    }

    // rest: the value line from its "@" or opening quote.
    RegFileChange Change(std::u16string_view rest) {
        RegFileChange change;
        change.line = lineNumber_;
        std::size_t at = 1;
        if (rest.front() == u'"') {
            change.value.name = Unquoted(rest, at);
        }
        SkipBlanks(rest, at);
        if (at == rest.size() || rest[at] != u'=') {
            throw Refusal{"„=“ fehlt nach dem Wertnamen"};
        }
        ++at;
        SkipBlanks(rest, at);
        std::u16string_view data = rest.substr(at);
        while (!data.empty() && IsBlank(data.back())) {
            data.remove_suffix(1);
        }
        if (data.starts_with(u'-')) {
            change.remove = true;
            ExpectLineEnd(data, 1);
        } else if (data.starts_with(u'"')) {
            at = 1;
            std::u16string text = Unquoted(data, at);
            ExpectLineEnd(data, at);
            text += u'\0';
            change.value.type = kSz;
            change.value.data = platform::Utf16LeBytes(text);
        } else if (data.starts_with(u"dword:")) {
            change.value.type = kDWord;
            change.value.data = DWordData(data.substr(6));
        } else if (data.starts_with(u"hex:")) {
            change.value.type = kBinary;
            change.value.data = HexData(data.substr(4), kBinary);
        } else if (data.starts_with(u"hex(")) {
            at = 4;
            change.value.type = TypeNumber(data, at);
            change.value.data = HexData(data.substr(at), change.value.type);
        } else {
            throw Refusal{"Unbekannte Art von Daten"};
        }
        return change;
    }

    // "hex(" is read; one to eight hexadecimal digits, then "):".
    static std::uint32_t TypeNumber(std::u16string_view data, std::size_t& at) {
        std::uint32_t type = 0;
        const std::size_t first = at;
        while (at < data.size() && HexValue(data[at]) >= 0 && at - first < 8) {
            type = type << 4 | static_cast<std::uint32_t>(HexValue(data[at++]));
        }
        if (at == first || data.substr(at, 2) != u"):") {
            throw Refusal{"Ungültige Typnummer nach „hex(“"};
        }
        at += 2;
        return type;
    }

    static std::vector<std::uint8_t> DWordData(std::u16string_view digits) {
        std::uint32_t number = 0;
        std::size_t at = 0;
        while (at < digits.size() && HexValue(digits[at]) >= 0) {
            if (at == 8) {
                throw Refusal{"Die Zahl nach „dword:“ hat mehr als acht Stellen"};
            }
            number = number << 4 | static_cast<std::uint32_t>(HexValue(digits[at++]));
        }
        if (at == 0) {
            throw Refusal{"Die Zahl nach „dword:“ fehlt"};
        }
        ExpectLineEnd(digits, at);
        return {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
    }

    // Bytes as one or two hexadecimal digits separated by commas; a backslash after the last
    // comma continues them on the next line.
    std::vector<std::uint8_t> HexData(std::u16string_view line, std::uint32_t type) {
        std::vector<std::uint8_t> bytes;
        while (HexLine(line, bytes)) {
            if (!NextLine(line)) {
                throw Refusal{"Die Datei endet mitten in einem Wert"};
            }
            std::size_t at = 0;
            SkipBlanks(line, at);
            if (at == line.size() || HexValue(line[at]) < 0) {
                throw Refusal{"Die Fortsetzung der Hex-Daten fehlt"};
            }
        }
        return IsTextType(type) ? TextData(std::move(bytes)) : bytes;
    }

    // Reads the bytes of one line; true when the line ends in a continuation.
    static bool HexLine(std::u16string_view line, std::vector<std::uint8_t>& bytes) {
        std::size_t at = 0;
        for (;;) {
            SkipBlanks(line, at);
            if (at == line.size() || line[at] == u';') {
                return false;
            }
            if (line[at] == u'\\') {
                ExpectLineEnd(line, at + 1);
                return true;
            }
            int value = HexValue(line[at]);
            if (value < 0) {
                throw Refusal{"Ungültiges Byte in den Hex-Daten"};
            }
            ++at;
            if (at < line.size() && HexValue(line[at]) >= 0) {
                value = value << 4 | HexValue(line[at++]);
            }
            bytes.push_back(static_cast<std::uint8_t>(value));
            if (at < line.size() && line[at] == u',') {
                ++at;
                continue;
            }
            ExpectLineEnd(line, at);
            return false;
        }
    }

    // Text given as bytes is stored as the editor stores it: ended by a zero character, and
    // from a code page 1252 file converted to UTF-16.
    std::vector<std::uint8_t> TextData(std::vector<std::uint8_t> bytes) const {
        if (bytes.empty()) {
            return bytes;
        }
        if (!utf16_) {
            if (bytes.back() != 0) {
                bytes.push_back(0);
            }
            return platform::Utf16LeBytes(platform::Utf16FromCp1252(
                {reinterpret_cast<const char*>(bytes.data()), bytes.size()}));
        }
        if (bytes.size() % 2 != 0) {
            throw Refusal{"Text in UTF-16 mit ungerader Anzahl Bytes"};
        }
        if (bytes[bytes.size() - 2] != 0 || bytes.back() != 0) {
            bytes.insert(bytes.end(), {0, 0});
        }
        return bytes;
    }

    std::u16string text_;
    bool utf16_;
    std::size_t at_ = 0;         // where the next line starts
    std::size_t lineNumber_ = 0; // of the line read last
};

} // namespace

std::variant<RegFile, RegFileError> ReadRegFile(std::string_view bytes) {
    const bool utf16 = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
                       static_cast<unsigned char>(bytes[1]) == 0xFE;
    std::u16string text;
    if (utf16) {
        text.reserve(bytes.size() / 2);
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          static_cast<unsigned char>(bytes[i + 1]) << 8);
        }
    } else {
        text = platform::Utf16FromCp1252(bytes);
    }
    Reader reader(std::move(text), utf16);
    try {
        RegFile file = reader.Read();
        if (utf16 && bytes.size() % 2 != 0) {
            return RegFileError{reader.LineNumber(), "Die Datei endet mitten in einem Zeichen"};
        }
        return file;
    } catch (const Refusal& refusal) {
        return RegFileError{std::max<std::size_t>(reader.LineNumber(), 1), refusal.reason};
    }
}

} // namespace macros

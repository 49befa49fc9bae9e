#include "regfile/Reader.h"

#include "platform/Registry.h"
#include "platform/Utf16Text.h"
#include "regfile/Hex.h"

#include <algorithm>

namespace regfile {
namespace {

constexpr std::u16string_view kRegedit4 = u"REGEDIT4";
constexpr std::u16string_view kRegedit5 = u"Windows Registry Editor Version 5.00";

using platform::RegType;

// Thrown inside the reader; ReadRegFile turns it into the error of the current line.
struct Refusal {
    std::string reason;
};

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

void SkipBlanks(std::u16string_view text, std::size_t& at) {
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
}

// rest: a line from its first character that is not a blank.
bool IsBlankOrComment(std::u16string_view rest) {
    return rest.empty() || rest.front() == u';';
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
            if (IsBlankOrComment(line.substr(at)) || line[at] == u'#') {
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
        const std::optional<RegRoot> root = RootNamed(rootName);
        if (!root) {
            throw Refusal{"Unbekannter Hauptschlüssel"};
        }
        section.root = *root;
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
            change.value.type = platform::TypeNumber(RegType::Sz);
            change.value.data = platform::Utf16LeBytes(text);
        } else if (data.starts_with(u"dword:")) {
            change.value.type = platform::TypeNumber(RegType::DWord);
            change.value.data = DWordData(data.substr(6));
        } else if (data.starts_with(u"hex:")) {
            change.value.type = platform::TypeNumber(RegType::Binary);
            change.value.data = HexData(data.substr(4), change.value.type);
        } else if (data.starts_with(u"hex(")) {
            at = 4;
            change.value.type = TypeNumberAt(data, at);
            change.value.data = HexData(data.substr(at), change.value.type);
        } else {
            throw Refusal{"Unbekannte Art von Daten"};
        }
        return change;
    }

    // "hex(" is read; one to eight hexadecimal digits, then "):".
    static std::uint32_t TypeNumberAt(std::u16string_view data, std::size_t& at) {
        std::uint32_t type = 0;
        const std::size_t first = at;
        while (at < data.size() && HexDigitValue(data[at]) >= 0 && at - first < 8) {
            type = type << 4 | static_cast<std::uint32_t>(HexDigitValue(data[at++]));
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
        SkipBlanks(digits, at);
        const std::size_t first = at;
        while (at < digits.size() && HexDigitValue(digits[at]) >= 0) {
            if (at - first == 8) {
                throw Refusal{"Die Zahl nach „dword:“ hat mehr als acht Stellen"};
            }
            number = number << 4 | static_cast<std::uint32_t>(HexDigitValue(digits[at++]));
        }
        if (at == first) {
            throw Refusal{"Die Zahl nach „dword:“ fehlt"};
        }
        ExpectLineEnd(digits, at);
        return {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
    }

    // Bytes as one or two hexadecimal digits separated by commas; a backslash after the last
    // comma continues them on the next line that is not blank or a comment.
    std::vector<std::uint8_t> HexData(std::u16string_view line, std::uint32_t type) {
        std::vector<std::uint8_t> bytes;
        while (HexLine(line, bytes)) {
            std::size_t at = 0;
            do {
                if (!NextLine(line)) {
                    throw Refusal{"Die Datei endet mitten in einem Wert"};
                }
                at = 0;
                SkipBlanks(line, at);
            } while (IsBlankOrComment(line.substr(at)));
            if (HexDigitValue(line[at]) < 0) {
                throw Refusal{"Die Fortsetzung der Hex-Daten fehlt"};
            }
        }
        return platform::IsTextType(type) ? TextData(std::move(bytes)) : bytes;
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
            int value = HexDigitValue(line[at]);
            if (value < 0) {
                throw Refusal{"Ungültiges Byte in den Hex-Daten"};
            }
            ++at;
            if (at < line.size() && HexDigitValue(line[at]) >= 0) {
                value = value << 4 | HexDigitValue(line[at++]);
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

bool IsEndCharacter(char16_t c) {
    return c == u'\0' || c == u'\x1A';
}

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
    // The editors stop at a zero or an end-of-file character after the last line.
    while (!text.empty() && IsEndCharacter(text.back())) {
        text.pop_back();
    }
    const bool oddEnd =
        utf16 && bytes.size() % 2 != 0 && !IsEndCharacter(static_cast<unsigned char>(bytes.back()));
    Reader reader(std::move(text), utf16);
    try {
        RegFile file = reader.Read();
        if (oddEnd) {
            return RegFileError{reader.LineNumber(), "Die Datei endet mitten in einem Zeichen"};
        }
        return file;
    } catch (const Refusal& refusal) {
        return RegFileError{std::max<std::size_t>(reader.LineNumber(), 1), refusal.reason};
    }
}

} // namespace regfile

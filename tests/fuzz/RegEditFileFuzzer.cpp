// Fuzz target: the REGEDIT4 file of a key. The input makes a key path and values of any
// name, type number and data; the file is read back line by line by a reader written apart
// from the writer and must give exactly the key and its values, in the store's order:
// CR LF ends every line and stands nowhere else, each value is one line, its name reads back
// as the name, a text without line breaks reads back as the text up to its first zero, a
// four-byte number as the number, everything else as its type number and its bytes.
#include "macros/MacroExportFile.h"
#include "platform/Services.h"
#include "platform/fake/FakeRegistry.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using platform::RegValue;
using Values = std::vector<std::pair<std::string, RegValue>>;

constexpr const char* kRoot = "HKEY_CURRENT_USER\\";
constexpr std::uint32_t kSz = 1;
constexpr std::uint32_t kBinary = 3;
constexpr std::uint32_t kDWord = 4;

void Fail() {
    std::abort();
}

// Takes the fuzz input apart byte by byte; past its end every byte reads as 0.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return at_ >= size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::string Bytes(std::size_t count) {
        std::string out;
        while (count-- > 0 && !AtEnd()) {
            out += static_cast<char>(Byte());
        }
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A key name: never empty, no backslash (it separates keys), no zero and no line break (a
// key path is written as it is; the program exports only its own keys).
std::string KeyName(Input& in) {
    std::string name = in.Bytes(1 + in.Byte() % 12);
    for (char& c : name) {
        if (c == '\\' || c == '\0' || c == '\r' || c == '\n') {
            c = 'k';
        }
    }
    return name.empty() ? "k" : name;
}

std::uint32_t TypeNumber(Input& in) {
    static constexpr std::uint32_t kUsual[] = {0, 1, 2, 3, 4, 5, 7, 11};
    const std::uint8_t pick = in.Byte();
    if (pick < 0xF0) {
        return kUsual[pick % std::size(kUsual)];
    }
    std::uint32_t type = 0;
    for (int i = 0; i < 4; ++i) {
        type = type << 8 | in.Byte();
    }
    return type;
}

std::vector<std::uint8_t> DataBytes(Input& in) {
    std::size_t size = in.Byte();
    if (size >= 0xF0) {
        size = (size - 0xF0) << 8 | in.Byte(); // up to 4 KB
    }
    const std::string bytes = in.Bytes(size);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// Lines ended by CR LF; a CR or LF anywhere else fails.
std::vector<std::string> Lines(const std::string& file) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\r') {
            if (i + 1 >= file.size() || file[i + 1] != '\n') {
                Fail();
            }
            lines.push_back(line);
            line.clear();
            ++i;
        } else if (file[i] == '\n') {
            Fail();
        } else {
            line += file[i];
        }
    }
    if (!line.empty()) {
        Fail(); // the last line has no end
    }
    return lines;
}

// Reads a double-quoted, backslash-escaped text starting at line[at]; returns it and sets
// at past the closing quote. A backslash stands only before the characters in escapes, each
// of them read as the byte after it in the same position of unescaped.
std::string Quoted(const std::string& line, std::size_t& at, const std::string& escapes,
                   const std::string& unescaped) {
    if (at >= line.size() || line[at] != '"') {
        Fail();
    }
    std::string out;
    for (++at; at < line.size(); ++at) {
        if (line[at] == '"') {
            ++at;
            return out;
        }
        if (line[at] == '\\') {
            if (++at >= line.size()) {
                Fail();
            }
            const std::size_t which = escapes.find(line[at]);
            if (which == std::string::npos) {
                Fail();
            }
            out += unescaped[which];
        } else {
            out += line[at];
        }
    }
    Fail(); // no closing quote
    return out;
}

int HexDigit(char c, bool upper) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char a = upper ? 'A' : 'a';
    if (c >= a && c <= a + 5) {
        return c - a + 10;
    }
    return -1;
}

// "hex:" bytes or "hex(N):" bytes, all on this line; returns the type number and the bytes.
std::pair<std::uint32_t, std::vector<std::uint8_t>> HexData(const std::string& data) {
    std::size_t at = 0;
    std::uint32_t type = kBinary;
    if (data.rfind("hex:", 0) == 0) {
        at = 4;
    } else if (data.rfind("hex(", 0) == 0) {
        at = 4;
        const std::size_t close = data.find("):", at);
        if (close == std::string::npos || close == at || close - at > 8 ||
            (data[at] == '0' && close - at > 1)) {
            Fail();
        }
        type = 0;
        for (; at < close; ++at) {
            const int digit = HexDigit(data[at], false);
            if (digit < 0) {
                Fail();
            }
            type = type << 4 | static_cast<std::uint32_t>(digit);
        }
        at = close + 2;
        if (type == kBinary) {
            Fail(); // byte strings are written as "hex:"
        }
    } else {
        Fail();
    }
    std::vector<std::uint8_t> bytes;
    while (at < data.size()) {
        if (!bytes.empty() && data[at++] != ',') {
            Fail();
        }
        if (at + 2 > data.size()) {
            Fail();
        }
        const int high = HexDigit(data[at], true);
        const int low = HexDigit(data[at + 1], true);
        if (high < 0 || low < 0) {
            Fail();
        }
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
        at += 2;
    }
    return {type, bytes};
}

// The value line must give back the name and the value as the writer promises to write it.
void CheckValueLine(const std::string& line, const std::string& name, const RegValue& value) {
    std::size_t at = 0;
    if (Quoted(line, at, "\\\"rn", "\\\"\r\n") != name) {
        Fail();
    }
    if (at >= line.size() || line[at] != '=') {
        Fail();
    }
    const std::string data = line.substr(at + 1);
    if (value.type == kSz) {
        std::string text;
        for (std::uint8_t b : value.data) {
            if (b == 0) {
                break;
            }
            text += static_cast<char>(b);
        }
        if (text.find_first_of("\r\n") == std::string::npos) {
            std::size_t dataAt = 0;
            if (Quoted(data, dataAt, "\\\"", "\\\"") != text || dataAt != data.size()) {
                Fail();
            }
            return;
        }
        // With a line break, the text and its terminating zero as hex(1).
        const auto [type, bytes] = HexData(data);
        if (type != kSz || std::string(bytes.begin(), bytes.end()) != text + '\0') {
            Fail();
        }
        return;
    }
    if (value.type == kDWord && value.data.size() == 4) {
        if (data.size() != 14 || data.rfind("dword:", 0) != 0) {
            Fail();
        }
        std::uint32_t number = 0;
        for (std::size_t i = 6; i < data.size(); ++i) {
            const int digit = HexDigit(data[i], true);
            if (digit < 0) {
                Fail();
            }
            number = number << 4 | static_cast<std::uint32_t>(digit);
        }
        const std::uint32_t stored = value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                                     static_cast<std::uint32_t>(value.data[3]) << 24;
        if (number != stored) {
            Fail();
        }
        return;
    }
    const auto [type, bytes] = HexData(data);
    if (type != value.type || bytes != value.data) {
        Fail();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const std::uint8_t shape = in.Byte();
    const bool replaceKey = (shape & 1) != 0;
    std::string keyPath;
    const int depth = 1 + (shape >> 3) % 3;
    for (int i = 0; i < depth; ++i) {
        keyPath += (i > 0 ? "\\" : "") + KeyName(in);
    }
    const std::string trimmedPath = keyPath;
    if ((shape & 2) != 0) {
        keyPath = "\\" + keyPath;
    }
    if ((shape & 4) != 0) {
        keyPath += "\\";
    }

    struct {
        platform::fake::FakeRegistry registry;
    } fakes;
    platform::fake::FakeRegistry& store = fakes.registry;
    std::optional<platform::InstalledServices> installed(std::in_place,
                                                         platform::ServicesOf(fakes));
    const bool keyExists = (shape & 0x80) == 0;
    std::size_t inputBytes = 0;
    if (keyExists) {
        store.Open(platform::Hive::CurrentUser, keyPath, true);
        while (!in.AtEnd()) {
            // Value names never hold a zero: the store takes names ended by one.
            std::string name = in.Bytes(in.Byte() % 40);
            for (char& c : name) {
                c = c == '\0' ? '0' : c;
            }
            const std::uint32_t type = TypeNumber(in);
            const std::vector<std::uint8_t> bytes = DataBytes(in);
            inputBytes += name.size() + bytes.size() + 1;
            store.SetRaw(platform::Hive::CurrentUser, keyPath, name, RegValue{type, bytes});
        }
    }
    const std::string file = macros::RegEditFileOfKey(keyPath, replaceKey);
    // The values as the store lists them, read apart from the writer.
    Values values;
    if (keyExists) {
        values = store.Open(platform::Hive::CurrentUser, keyPath, false)->Values();
    }
    installed.reset();

    // Each byte of a name or data takes at most three characters of the file.
    if (file.size() > 200 + 4 * keyPath.size() + 3 * inputBytes + 40 * values.size()) {
        Fail();
    }
    const std::vector<std::string> lines = Lines(file);
    std::size_t at = 0;
    auto next = [&]() -> const std::string& {
        if (at >= lines.size()) {
            Fail();
        }
        return lines[at++];
    };
    if (next() != "REGEDIT4" || next() != "") {
        Fail();
    }
    if (replaceKey && (next() != "[-" + std::string(kRoot) + trimmedPath + "]" || next() != "")) {
        Fail();
    }
    if (keyExists) {
        if (next() != "[" + std::string(kRoot) + trimmedPath + "]") {
            Fail();
        }
        for (const auto& [name, value] : values) {
            CheckValueLine(next(), name, value);
        }
        if (next() != "") {
            Fail();
        }
    }
    if (next() != "" || at != lines.size()) {
        Fail();
    }
    return 0;
}

// Fuzz target: the registry-file reader, the UTF-16 writer and the import's plan. The input is
// first read as a registry file (any bytes: no crash, a file or an error with a line) and
// planned as an import over a stored macro key: the file the plan writes for the registry
// editor, planned in its turn over the same key, must give the same key. Then the input makes
// keys below the macro key with values of any name, type number and data, which are written as a
// UTF-16 file and read back: the file must delete the macro key and give back every key in
// order with its values, names and types as written and every byte of data, except that a
// text of an odd size gets a zero byte and a text not ended by a zero character gets one.
#include "macros/ImportPlan.h"
#include "regfile/Reader.h"
#include "regfile/Utf16Writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::u16string_view kMacroKey = u"Software\\Velmark\\Tastor32\\Macros\\AltGr";

void Fail() {
    std::abort();
}

// Takes the fuzz input apart; past its end every byte reads as 0.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return at_ >= size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    // Mostly ASCII and Latin letters, sometimes any UTF-16 unit.
    char16_t Character() {
        const std::uint8_t b = Byte();
        if (b < 0xF0) {
            return b;
        }
        return static_cast<char16_t>(Byte() << 8 | Byte());
    }
    std::u16string Text(std::size_t count) {
        std::u16string out;
        while (count-- > 0 && !AtEnd()) {
            out += Character();
        }
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Never empty; no backslash (it separates keys), zero or line break (no file holds them).
std::u16string KeyName(Input& in) {
    std::u16string name = in.Text(1 + in.Byte() % 10);
    for (char16_t& c : name) {
        if (c == u'\\' || c == u'\0' || c == u'\r' || c == u'\n') {
            c = u'k';
        }
    }
    return name.empty() ? u"k" : name;
}

std::uint32_t TypeNumber(Input& in) {
    static constexpr std::uint32_t kUsual[] = {0, 1, 2, 3, 4, 5, 7, 11};
    const std::uint8_t pick = in.Byte();
    if (pick < 0xF0) {
        return kUsual[pick % std::size(kUsual)];
    }
    return static_cast<std::uint32_t>(in.Byte()) << 24 | in.Byte() << 16 | in.Byte() << 8 |
           in.Byte();
}

std::vector<std::uint8_t> Data(Input& in) {
    std::size_t size = in.Byte();
    if (size >= 0xF0) {
        size = (size - 0xF0) << 8 | in.Byte();
    }
    std::vector<std::uint8_t> bytes;
    while (size-- > 0 && !in.AtEnd()) {
        bytes.push_back(in.Byte());
    }
    return bytes;
}

std::vector<std::uint8_t> ReadBack(const regfile::RegFileValue& value) {
    std::vector<std::uint8_t> data = value.data;
    const bool text = value.type == 1 || value.type == 2 || value.type == 7;
    if (!text || data.empty()) {
        return data;
    }
    if (data.size() % 2 != 0) {
        data.push_back(0);
    }
    if (data[data.size() - 2] != 0 || data.back() != 0) {
        data.insert(data.end(), {0, 0});
    }
    return data;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto any = regfile::ReadRegFile({reinterpret_cast<const char*>(data), size});
    if (const auto* error = std::get_if<regfile::RegFileError>(&any);
        error != nullptr && (error->line == 0 || error->reason.empty())) {
        Fail();
    }

    const std::u16string macroKey(kMacroKey);
    const std::vector<platform::RegTreeKey> stored = {
        {macroKey,
         {{u"0008004A", 1, {0x48, 0, 0x69, 0, 0, 0}},
          {u"8004a", 1, {0x78, 0, 0, 0}},
          {u"Note", 4, {1, 0, 0, 0}}}},
        {macroKey + u"\\Sub", {{u"v", 3, {7}}}},
    };
    const auto planned =
        macros::PlanMacroImport({reinterpret_cast<const char*>(data), size}, stored);
    if (const auto* plan = std::get_if<macros::ImportPlan>(&planned)) {
        const auto again = macros::PlanMacroImport(plan->editorFile, stored);
        const auto* replanned = std::get_if<macros::ImportPlan>(&again);
        if (replanned == nullptr || !macros::SameMacroKey(replanned->expected, plan->expected)) {
            Fail();
        }
    }

    Input in(data, size);
    std::vector<regfile::RegFileKey> keys;
    const int keyCount = in.Byte() % 4;
    for (int k = 0; k < keyCount; ++k) {
        regfile::RegFileKey key{std::u16string(kMacroKey), {}};
        for (int depth = k == 0 ? 0 : 1 + in.Byte() % 2; depth > 0; --depth) {
            key.path += u"\\" + KeyName(in);
        }
        for (int v = in.Byte() % 6; v > 0 && !in.AtEnd(); --v) {
            std::u16string name = in.Text(in.Byte() % 12);
            for (char16_t& c : name) {
                c = c == u'\0' ? u'0' : c;
            }
            const std::uint32_t type = TypeNumber(in);
            key.values.push_back({name, type, Data(in)});
        }
        keys.push_back(std::move(key));
    }
    const auto file = regfile::RegFileUtf16(std::u16string(kMacroKey), keys);
    if (!file) {
        Fail();
    }
    const auto read = regfile::ReadRegFile(*file);
    const auto* regFile = std::get_if<regfile::RegFile>(&read);
    if (regFile == nullptr || !regFile->utf16 || regFile->sections.size() != keys.size() + 1) {
        Fail();
    }
    const regfile::RegFileSection& removal = regFile->sections[0];
    if (!removal.remove || removal.root != regfile::RegRoot::CurrentUser ||
        removal.path != kMacroKey || !removal.changes.empty()) {
        Fail();
    }
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const regfile::RegFileSection& section = regFile->sections[k + 1];
        if (section.remove || section.root != regfile::RegRoot::CurrentUser ||
            section.path != keys[k].path || section.changes.size() != keys[k].values.size()) {
            Fail();
        }
        for (std::size_t v = 0; v < keys[k].values.size(); ++v) {
            const regfile::RegFileChange& change = section.changes[v];
            const regfile::RegFileValue& written = keys[k].values[v];
            if (change.remove || change.value.name != written.name ||
                change.value.type != written.type || change.value.data != ReadBack(written)) {
                Fail();
            }
        }
    }
    return 0;
}

#include "macros/MacroImportCheck.h"

#include "macros/KeyCode.h"
#include "platform/Utf16Text.h"
#include "settings/Layout.h"

#include <algorithm>
#include <map>
#include <optional>

namespace macros {
namespace {

constexpr std::size_t kKeysNamed = 5;
constexpr std::uint32_t kSz = 1;
constexpr std::uint32_t kExpandSz = 2;

std::u16string AsciiUpper(std::u16string_view text) {
    std::u16string upper(text);
    for (char16_t& c : upper) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - 0x20);
        }
    }
    return upper;
}

std::vector<std::u16string> UpperParts(std::u16string_view path) {
    std::vector<std::u16string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t slash = path.find(u'\\', from);
        parts.push_back(AsciiUpper(path.substr(from, slash - from)));
        if (slash == std::u16string_view::npos) {
            return parts;
        }
        from = slash + 1;
    }
}

enum class Place { Foreign, MacroKey, BelowMacroKey };

// Names are compared by their ASCII letters only: a name the registry would take for the
// same in another way (other letters of other scripts) counts as foreign, never the other
// way round.
Place PlaceOf(const RegFileSection& section) {
    static const std::vector<std::u16string> macroKey =
        UpperParts(platform::Utf16FromCp1252(settings::kMacroKey));
    if (section.root != RegRoot::CurrentUser) {
        return Place::Foreign;
    }
    std::u16string_view path = section.path;
    // One backslash at the end names the same key.
    if (path.ends_with(u'\\')) {
        path.remove_suffix(1);
    }
    const std::vector<std::u16string> parts = UpperParts(path);
    if (parts.size() < macroKey.size()) {
        return Place::Foreign;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].empty() || (i < macroKey.size() && parts[i] != macroKey[i])) {
            return Place::Foreign;
        }
    }
    return parts.size() == macroKey.size() ? Place::MacroKey : Place::BelowMacroKey;
}

// The text of a macro value as the list would show it; nothing for other values.
std::optional<std::u16string> MacroText(const RegFileValue& value) {
    if (value.type != kSz && value.type != kExpandSz) {
        return std::nullopt;
    }
    std::string name;
    for (char16_t c : value.name) {
        if (c >= 0x80) {
            return std::nullopt;
        }
        name += static_cast<char>(c);
    }
    if (!ValueNameToKeyCode(name)) {
        return std::nullopt;
    }
    std::u16string text = platform::Utf16FromLeBytes(value.data);
    return text.substr(0, text.find(u'\0'));
}

using Macros = std::map<std::u16string, std::u16string>; // upper-case name -> text

Macros MacrosOf(const std::map<std::u16string, RegFileValue>& values) {
    Macros macros;
    for (const auto& [name, value] : values) {
        if (auto text = MacroText(value)) {
            macros.emplace(name, std::move(*text));
        }
    }
    return macros;
}

} // namespace

MacroImportCheck CheckMacroImport(const RegFile& file, const StoredMacroKey& stored) {
    MacroImportCheck check;
    std::map<std::u16string, RegFileValue> values;
    for (const RegFileValue& value : stored.values) {
        values[AsciiUpper(value.name)] = value;
    }
    const Macros before = MacrosOf(values);
    std::vector<std::u16string> foreignUpper;
    for (const RegFileSection& section : file.sections) {
        const Place place = PlaceOf(section);
        check.empty = check.empty && !section.remove && section.changes.empty();
        if (place == Place::Foreign) {
            const std::u16string upper = AsciiUpper(section.keyName);
            if (std::find(foreignUpper.begin(), foreignUpper.end(), upper) == foreignUpper.end()) {
                foreignUpper.push_back(upper);
                check.foreignKeys.push_back(section.keyName);
            }
            continue;
        }
        if (place != Place::MacroKey) {
            continue;
        }
        if (section.remove) {
            // Its subkeys go with it, whatever the file writes afterwards.
            check.deletesMacroKey = check.deletesMacroKey || stored.exists;
            values.clear();
            continue;
        }
        for (const RegFileChange& change : section.changes) {
            const std::u16string name = AsciiUpper(change.value.name);
            if (change.remove) {
                values.erase(name);
            } else {
                values[name] = change.value;
            }
        }
    }
    const Macros after = MacrosOf(values);
    for (const auto& [name, text] : after) {
        const auto earlier = before.find(name);
        if (earlier == before.end()) {
            ++check.added;
        } else if (earlier->second != text) {
            ++check.replaced;
        }
    }
    for (const auto& [name, text] : before) {
        check.deleted += after.count(name) == 0 ? 1 : 0;
    }
    return check;
}

std::string ForeignKeyList(const std::vector<std::u16string>& keys) {
    std::string list;
    for (std::size_t i = 0; i < keys.size() && i < kKeysNamed; ++i) {
        list += platform::Cp1252FromUtf16(keys[i]);
        list += "\r\n";
    }
    if (keys.size() > kKeysNamed) {
        list += "und " + std::to_string(keys.size() - kKeysNamed) + " weitere\r\n";
    }
    return list;
}

} // namespace macros

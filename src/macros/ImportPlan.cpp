#include "macros/ImportPlan.h"

#include "macros/KeyCode.h"
#include "macros/MacroValue.h"
#include "platform/Utf16Text.h"
#include "regfile/Reader.h"
#include "regfile/Utf16Writer.h"
#include "settings/Layout.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace macros {
namespace {

using platform::AsciiUpper;
using platform::RegTreeKey;
using platform::RegTreeValue;
using regfile::RegFile;
using regfile::RegFileSection;

constexpr std::size_t kKeysNamed = 5;

const std::u16string& MacroKeyPath() {
    static const std::u16string path = platform::Utf16FromCp1252(settings::kMacroKey);
    return path;
}

std::vector<std::u16string> Parts(std::u16string_view path) {
    std::vector<std::u16string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t slash = path.find(u'\\', from);
        parts.emplace_back(path.substr(from, slash - from));
        if (slash == std::u16string_view::npos) {
            return parts;
        }
        from = slash + 1;
    }
}

// The parts of the section's key below the macro key (none for the macro key itself), or
// nothing when it is another key. Names are compared by their ASCII letters only: a name the
// registry would take for the same in another way (other letters of other scripts) counts as
// foreign, never the other way round.
std::optional<std::vector<std::u16string>> PartsBelowMacroKey(const RegFileSection& section) {
    static const std::vector<std::u16string> macroKey = Parts(AsciiUpper(MacroKeyPath()));
    if (section.root != regfile::RegRoot::CurrentUser) {
        return std::nullopt;
    }
    std::u16string_view path = section.path;
    // One backslash at the end names the same key.
    if (path.ends_with(u'\\')) {
        path.remove_suffix(1);
    }
    std::vector<std::u16string> parts = Parts(path);
    if (parts.size() < macroKey.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].empty() || (i < macroKey.size() && AsciiUpper(parts[i]) != macroKey[i])) {
            return std::nullopt;
        }
    }
    parts.erase(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(macroKey.size()));
    return parts;
}

// One key while the file is applied: its values by their upper-case names, and the names
// that stand for each key code.
class KeyState {
public:
    explicit KeyState(std::u16string path) : path_(std::move(path)) {}

    const std::u16string& Path() const { return path_; }
    const std::map<std::u16string, RegTreeValue>& Values() const { return values_; }

    // A value of the same name is replaced; the registry keeps the name as first written.
    void Put(RegTreeValue value) {
        const std::u16string upper = AsciiUpper(value.name);
        auto [at, added] = values_.try_emplace(upper, value);
        if (!added) {
            value.name = at->second.name;
            at->second = std::move(value);
        } else if (const auto code = KeyCodeOfName(value.name)) {
            namesOf_[*code].insert(upper);
        }
    }
    void Erase(const std::u16string& name) {
        const std::u16string upper = AsciiUpper(name);
        if (const auto code = KeyCodeOfName(name)) {
            namesOf_[*code].erase(upper);
        }
        values_.erase(upper);
    }
    // Every value named after the key code, in any spelling.
    void EraseNamesOf(TKeyCode code) {
        const auto names = namesOf_.find(code);
        if (names == namesOf_.end()) {
            return;
        }
        for (const std::u16string& upper : names->second) {
            values_.erase(upper);
        }
        namesOf_.erase(names);
    }

private:
    std::u16string path_;
    std::map<std::u16string, RegTreeValue> values_;
    std::map<TKeyCode, std::set<std::u16string>> namesOf_;
};

// The macro key and its subkeys while the file is applied, as the registry editor would
// change them.
class Tree {
public:
    explicit Tree(const std::vector<RegTreeKey>& stored) {
        for (const RegTreeKey& key : stored) {
            KeyState& state = Add(key.path);
            for (const RegTreeValue& value : key.values) {
                state.Put(value);
            }
        }
    }

    // The key, made with every missing key above it up to the macro key.
    KeyState& Make(const std::vector<std::u16string>& below) {
        std::u16string path = MacroKeyPath();
        KeyState* key = Find(path);
        if (key == nullptr) {
            key = &Add(path);
        }
        for (const std::u16string& part : below) {
            path = key->Path() + u"\\" + part;
            KeyState* child = Find(path);
            key = child != nullptr ? child : &Add(path);
        }
        return *key;
    }

    void Remove(const std::vector<std::u16string>& below) {
        std::u16string path = MacroKeyPath();
        for (const std::u16string& part : below) {
            path += u"\\" + part;
        }
        const std::u16string upper = AsciiUpper(path);
        std::erase_if(keys_, [&](const KeyState& key) {
            const std::u16string other = AsciiUpper(key.Path());
            return other == upper || other.starts_with(upper + u"\\");
        });
    }

    static void Set(KeyState& key, RegTreeValue value, bool inMacroKey) {
        if (const auto code = inMacroKey ? MacroKeyCode(value.name, value.type) : std::nullopt) {
            key.EraseNamesOf(*code);
            value.name = platform::Utf16FromCp1252(KeyCodeToValueName(*code));
        }
        key.Put(std::move(value));
    }

    static void Delete(KeyState& key, const std::u16string& name) { key.Erase(name); }

    std::vector<RegTreeKey> Keys() const {
        std::vector<RegTreeKey> keys;
        for (const KeyState& state : keys_) {
            RegTreeKey& key = keys.emplace_back(RegTreeKey{state.Path(), {}});
            for (const auto& [upper, value] : state.Values()) {
                key.values.push_back(value);
            }
        }
        return keys;
    }

private:
    KeyState* Find(const std::u16string& path) {
        const std::u16string upper = AsciiUpper(path);
        for (KeyState& key : keys_) {
            if (AsciiUpper(key.Path()) == upper) {
                return &key;
            }
        }
        return nullptr;
    }
    KeyState& Add(const std::u16string& path) { return keys_.emplace_back(path); }

    std::vector<KeyState> keys_; // a key before its subkeys
};

using Texts = std::map<TKeyCode, std::vector<std::u16string>>;

// The macro texts of the macro key (the first key of a reading) by key code; a key given
// under two names has two texts.
Texts MacroTexts(const std::vector<RegTreeKey>& keys) {
    Texts texts;
    if (keys.empty()) {
        return texts;
    }
    for (const RegTreeValue& value : keys.front().values) {
        if (const auto code = MacroKeyCode(value.name, value.type)) {
            std::u16string text = platform::Utf16FromLeBytes(value.data);
            texts[*code].push_back(text.substr(0, text.find(u'\0')));
        }
    }
    for (auto& [code, list] : texts) {
        std::sort(list.begin(), list.end());
    }
    return texts;
}

ImportCounts Count(const std::vector<RegTreeKey>& stored, const std::vector<RegTreeKey>& expected) {
    const Texts before = MacroTexts(stored);
    const Texts after = MacroTexts(expected);
    ImportCounts counts;
    for (const auto& [code, texts] : after) {
        const auto earlier = before.find(code);
        if (earlier == before.end()) {
            ++counts.added;
        } else if (earlier->second != texts) {
            ++counts.replaced;
        }
    }
    for (const auto& [code, texts] : before) {
        counts.deleted += after.count(code) == 0 ? 1 : 0;
    }
    return counts;
}

using ValuesByName = std::map<std::u16string, const RegTreeValue*>;
using KeysByPath = std::map<std::u16string, const RegTreeKey*>;

KeysByPath ByPath(const std::vector<RegTreeKey>& keys) {
    KeysByPath byPath;
    for (const RegTreeKey& key : keys) {
        byPath.emplace(AsciiUpper(key.path), &key);
    }
    return byPath;
}

ValuesByName ByName(const RegTreeKey& key) {
    ValuesByName byName;
    for (const RegTreeValue& value : key.values) {
        byName.emplace(AsciiUpper(value.name), &value);
    }
    return byName;
}

// The sections that turn the stored keys into the expected ones: the keys that go, then per
// key the values that go and the values that are new or changed.
RegFile EditorFile(const std::vector<RegTreeKey>& stored, const std::vector<RegTreeKey>& expected) {
    RegFile file;
    file.utf16 = true;
    const KeysByPath storedKeys = ByPath(stored);
    const KeysByPath expectedKeys = ByPath(expected);
    std::vector<std::u16string> removed;
    for (const RegTreeKey& key : stored) {
        const std::u16string upper = AsciiUpper(key.path);
        const bool belowRemoved = std::any_of(removed.begin(), removed.end(), [&](const auto& r) {
            return upper.starts_with(r + u"\\");
        });
        if (expectedKeys.count(upper) == 0 && !belowRemoved) {
            removed.push_back(upper);
            file.sections.push_back({0, true, regfile::RegRoot::CurrentUser, key.path, {}, {}});
        }
    }
    for (const RegTreeKey& key : expected) {
        const auto earlier = storedKeys.find(AsciiUpper(key.path));
        const RegTreeKey* before = earlier == storedKeys.end() ? nullptr : earlier->second;
        const ValuesByName old = before != nullptr ? ByName(*before) : ValuesByName{};
        RegFileSection section{0, false, regfile::RegRoot::CurrentUser, key.path, {}, {}};
        if (before != nullptr) {
            const ValuesByName now = ByName(key);
            for (const RegTreeValue& value : before->values) {
                if (now.count(AsciiUpper(value.name)) == 0) {
                    section.changes.push_back({0, true, {value.name, 0, {}}});
                }
            }
        }
        for (const RegTreeValue& value : key.values) {
            const auto was = old.find(AsciiUpper(value.name));
            if (was == old.end() || was->second->type != value.type ||
                was->second->data != value.data) {
                section.changes.push_back({0, false, value});
            }
        }
        if (before == nullptr || !section.changes.empty()) {
            file.sections.push_back(std::move(section));
        }
    }
    return file;
}

} // namespace

std::variant<ImportRefusal, ImportPlan> PlanMacroImport(std::string_view fileBytes,
                                                        const std::vector<RegTreeKey>& stored) {
    using Kind = ImportRefusal::Kind;
    const auto read = regfile::ReadRegFile(fileBytes);
    if (const auto* error = std::get_if<regfile::RegFileError>(&read)) {
        return ImportRefusal{Kind::NotARegistryFile, error->line, error->reason, {}};
    }
    const RegFile& file = std::get<RegFile>(read);
    ImportRefusal foreign{Kind::ForeignKeys, 0, {}, {}};
    std::vector<std::u16string> foreignUpper;
    bool changesAnything = false;
    bool deletesMacroKey = false;
    Tree tree(stored);
    for (const RegFileSection& section : file.sections) {
        changesAnything = changesAnything || section.remove || !section.changes.empty();
        const auto below = PartsBelowMacroKey(section);
        if (!below) {
            const std::u16string upper = AsciiUpper(section.keyName);
            if (std::find(foreignUpper.begin(), foreignUpper.end(), upper) == foreignUpper.end()) {
                foreignUpper.push_back(upper);
                foreign.foreignKeys.push_back(section.keyName);
            }
            continue;
        }
        if (section.remove) {
            // Its subkeys go with it, whatever the file writes afterwards.
            deletesMacroKey = deletesMacroKey || (below->empty() && !stored.empty());
            tree.Remove(*below);
            continue;
        }
        KeyState& key = tree.Make(*below);
        for (const regfile::RegFileChange& change : section.changes) {
            if (change.remove) {
                Tree::Delete(key, change.value.name);
            } else {
                Tree::Set(key, change.value, below->empty());
            }
        }
    }
    if (!foreign.foreignKeys.empty()) {
        return foreign;
    }
    if (!changesAnything) {
        return ImportRefusal{Kind::NoMacros, 0, {}, {}};
    }
    ImportPlan plan;
    plan.expected = tree.Keys();
    if (SameMacroKey(plan.expected, stored)) {
        return ImportRefusal{Kind::NoChange, 0, {}, {}};
    }
    plan.counts = Count(stored, plan.expected);
    plan.counts.deletesMacroKey = deletesMacroKey;
    auto editorFile = regfile::WriteUtf16(EditorFile(stored, plan.expected));
    if (!editorFile) {
        return ImportRefusal{Kind::Unwritable, 0, {}, {}};
    }
    plan.editorFile = std::move(*editorFile);
    return plan;
}

bool SameMacroKey(const std::vector<RegTreeKey>& a, const std::vector<RegTreeKey>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    const KeysByPath other = ByPath(b);
    for (const RegTreeKey& key : a) {
        const auto match = other.find(AsciiUpper(key.path));
        if (match == other.end() || match->second->values.size() != key.values.size()) {
            return false;
        }
        const ValuesByName values = ByName(*match->second);
        for (const RegTreeValue& value : key.values) {
            const auto same = values.find(AsciiUpper(value.name));
            if (same == values.end() || same->second->type != value.type ||
                same->second->data != value.data) {
                return false;
            }
        }
    }
    return true;
}

bool IsImportNote(const ImportRefusal& refusal) {
    return refusal.kind == ImportRefusal::Kind::NoMacros ||
           refusal.kind == ImportRefusal::Kind::NoChange;
}

std::string ImportRefusalText(const std::u16string& path, const ImportRefusal& refusal) {
    const std::string text =
        "Die Datei " + platform::Cp1252FromUtf16(path) + " wird nicht importiert: ";
    switch (refusal.kind) {
    case ImportRefusal::Kind::NotARegistryFile:
        return text + "Zeile " + std::to_string(refusal.line) + ": " + refusal.reason + ".";
    case ImportRefusal::Kind::ForeignKeys: {
        std::string keys = ForeignKeyList(refusal.foreignKeys);
        keys.resize(keys.size() - 2);
        return text + "Sie ändert andere Schlüssel als die Makros:\r\n" + keys;
    }
    case ImportRefusal::Kind::NoMacros:
        return text + "Sie enthält keine Makros.";
    case ImportRefusal::Kind::NoChange:
        return text + "Sie ändert nichts an den gespeicherten Makros.";
    case ImportRefusal::Kind::Unwritable:
        break;
    }
    return text + "Ein Name unter dem Makroschlüssel enthält einen Zeilenumbruch oder ein "
                  "Nullzeichen.";
}

std::string ImportQuestion(const ImportCounts& counts) {
    std::string text =
        "Der Import ändert gespeicherte Makros:\r\nneu: " + std::to_string(counts.added) +
        "\r\nersetzt: " + std::to_string(counts.replaced) +
        "\r\ngelöscht: " + std::to_string(counts.deleted) + "\r\n";
    if (counts.deletesMacroKey) {
        text += "Die Datei löscht zuerst alle gespeicherten Makros mit den Unterschlüsseln.\r\n";
    }
    return text + "\r\nTrotzdem importieren?";
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

#include "macros/MacroTable.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <stdexcept>

namespace macros {

const TMacroTable::Entry& TMacroTable::At(int index) const {
    return entries_.at(static_cast<std::size_t>(index));
}

int TMacroTable::Find(TKeyCode code) const {
    for (int index = Count() - 1; index >= 0; --index) {
        if (entries_[static_cast<std::size_t>(index)].Macro.KeyCode == code) {
            return index;
        }
    }
    return -1;
}

std::size_t TMacroTable::PlaceFor(const std::string& keyText) const {
    const auto at = std::upper_bound(entries_.begin(), entries_.end(), keyText,
                                     [](const std::string& text, const Entry& entry) {
                                         return CompareKeyTexts(text, entry.KeyText) < 0;
                                     });
    return static_cast<std::size_t>(at - entries_.begin());
}

int TMacroTable::Insert(TKeyCode code, std::string text) {
    Entry entry{{code, std::move(text)}, KeyCodeToText(code)};
    const std::size_t at = PlaceFor(entry.KeyText);
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
    return static_cast<int>(at);
}

int TMacroTable::Replace(int index, TKeyCode code, std::string text) {
    Remove(index);
    return Insert(code, std::move(text));
}

int TMacroTable::InsertOrReplace(TKeyCode code, std::string text) {
    const int found = Find(code);
    return found < 0 ? Insert(code, std::move(text)) : Replace(found, code, std::move(text));
}

void TMacroTable::Remove(int index) {
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("macro table index");
    }
    entries_.erase(entries_.begin() + index);
}

void TMacroTable::Assign(std::vector<Entry> entries) {
    TKeyNames names;
    for (Entry& entry : entries) {
        entry.KeyText = KeyCodeToText(entry.Macro.KeyCode, names);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& x, const Entry& y) {
        return CompareKeyTexts(x.KeyText, y.KeyText) < 0;
    });
    entries_ = std::move(entries);
}

int TMacroTable::CompareKeyTexts(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(platform::Cp1252Upper(a[i]));
        const auto y = static_cast<unsigned char>(platform::Cp1252Upper(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

} // namespace macros

// The macros of the settings window: key code and text per entry, kept in the order the
// list shows them, ascending by key text. The list view draws from it; loading, saving,
// the commands and the export work on it.
#pragma once

#include "macros/KeyCode.h"

#include <cstdint>
#include <string>
#include <vector>

namespace macros {

// One macro as it is saved and exported: its key and its text.
struct TMacro {
    TKeyCode KeyCode = 0;
    std::string MacroText;
    bool operator==(const TMacro&) const = default;
};

class TMacroTable {
public:
    struct Entry {
        TMacro Macro;
        // The key code's display text, by which the entries stand in order.
        std::string KeyText = {};
        // The store's own bytes of a text as read, when the program's code page cannot
        // hold its characters (empty otherwise); a replaced entry has none.
        std::vector<std::uint8_t> StoredText = {};
    };

    int Count() const { return static_cast<int>(entries_.size()); }
    // Every entry in list order; export and save walk it.
    const std::vector<Entry>& Entries() const { return entries_; }
    // Throws std::out_of_range for an index outside the table.
    const Entry& At(int index) const;

    // The index of the last entry in list order with this key code, or -1.
    int Find(TKeyCode code) const;
    // Adds an entry in its place, after those with an equal key text; returns its index.
    int Insert(TKeyCode code, std::string text);
    // Gives the entry a new code and text; it moves to its place among the others (after
    // those with an equal key text). Returns its new index.
    int Replace(int index, TKeyCode code, std::string text);
    // Replaces the last entry with the code, or inserts one; returns its index.
    int InsertOrReplace(TKeyCode code, std::string text);
    void Remove(int index);
    // Replaces every entry with the macros and their stored texts given (a key text given
    // is ignored); equal key texts keep the order given. Each distinct key is named once.
    void Assign(std::vector<Entry> entries);

    // How key texts compare: case-insensitive in code page 1252, then by byte.
    static int CompareKeyTexts(const std::string& a, const std::string& b);

private:
    std::size_t PlaceFor(const std::string& keyText) const;
    std::vector<Entry> entries_;
};

} // namespace macros

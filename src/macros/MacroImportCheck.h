// What an import file would do to the macros: the keys it touches outside the macro key,
// and how many macros it adds, replaces with another text or deletes.
#pragma once

#include "macros/RegFileReader.h"

#include <cstddef>
#include <string>
#include <vector>

namespace macros {

// The macro key as the store holds it now: its own values, not those of its subkeys.
struct StoredMacroKey {
    bool exists = false;
    std::vector<RegFileValue> values;
};

struct MacroImportCheck {
    // Keys outside the macro key and its subkeys, as the file names them, each once, in the
    // order of the file.
    std::vector<std::u16string> foreignKeys;
    std::size_t added = 0;
    std::size_t replaced = 0; // given another text
    std::size_t deleted = 0;
    // The file deletes the existing macro key with its subkeys (and may then write it anew).
    bool deletesMacroKey = false;
    // Whether the file changes nothing at all.
    bool empty = true;

    bool ChangesStoredMacros() const { return replaced > 0 || deleted > 0 || deletesMacroKey; }
};

// The values the macro list shows count as macros: a text under a key code's name. Other
// values and subkeys of the macro key are allowed and not counted.
MacroImportCheck CheckMacroImport(const RegFile& file, const StoredMacroKey& stored);

// The first few foreign keys for a message, one a line, and how many more there are; in
// code page 1252.
std::string ForeignKeyList(const std::vector<std::u16string>& keys);

} // namespace macros

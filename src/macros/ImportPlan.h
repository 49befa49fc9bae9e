// What an import of a registry file would do to the macro key, decided before anything is
// started: a refusal, or a plan with the numbers for the question, the file the registry
// editor gets and the macro key as it must be afterwards.
#pragma once

#include "platform/RegistryTree.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace macros {

struct ImportRefusal {
    enum class Kind {
        NotARegistryFile, // line and reason say why
        ForeignKeys,      // keys outside the macro key and its subkeys, each once, in file order
        NoMacros,         // the file sets and deletes nothing
        NoChange,         // the macro key would stay as it is
        Unwritable,       // a name under the macro key that no registry file can hold
    };
    Kind kind = Kind::NotARegistryFile;
    std::size_t line = 0;
    std::string reason;
    std::vector<std::u16string> foreignKeys;
};

// Macros compared by their key codes: new, given another text, and gone.
struct ImportCounts {
    std::size_t added = 0;
    std::size_t replaced = 0;
    std::size_t deleted = 0;
    // The file deletes the existing macro key with its subkeys (and may then write it anew).
    bool deletesMacroKey = false;

    bool ChangesStoredMacros() const { return replaced > 0 || deleted > 0 || deletesMacroKey; }
};

struct ImportPlan {
    ImportCounts counts;
    // For the registry editor: a UTF-16 file of plain lines that makes the stored key the
    // expected one, written by this program whatever the user's file looked like.
    std::string editorFile;
    // The macro key and its subkeys afterwards, a key before its subkeys; none when the
    // import leaves no macro key.
    std::vector<platform::RegTreeKey> expected;
};

// The file's bytes and the macro key as stored (as the registry reads it, a key before its
// subkeys; nothing when there is none). The file is applied as the registry editor would:
// section by section, a value written replacing the one of the same name. A macro (a text
// under a key code's name) is written under the key code's eight digits and replaces every
// other value named after the same key.
std::variant<ImportRefusal, ImportPlan>
PlanMacroImport(std::string_view fileBytes, const std::vector<platform::RegTreeKey>& stored);

// Whether two readings of the macro key hold the same: the same keys with the same values
// (names compared by their ASCII letters without case, in any order).
bool SameMacroKey(const std::vector<platform::RegTreeKey>& a,
                  const std::vector<platform::RegTreeKey>& b);

// The message of a refusal, for the file at path; a note for NoMacros and NoChange, an error
// for the others.
std::string ImportRefusalText(const std::u16string& path, const ImportRefusal& refusal);
bool IsImportNote(const ImportRefusal& refusal);

// The question before an import that replaces or deletes stored macros.
std::string ImportQuestion(const ImportCounts& counts);

// The first few foreign keys for a message, one a line, and how many more there are; in
// code page 1252.
std::string ForeignKeyList(const std::vector<std::u16string>& keys);

} // namespace macros

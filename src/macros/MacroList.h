// The macro page of the settings window: the macro table filled from and written back to
// the macro key of the settings store, shown by the list view (key text, macro text), and
// edited by the commands New, Edit and Delete.
#pragma once

#include "macros/EditMacroUnit.h"
#include "macros/KeyCode.h"
#include "macros/MacroTable.h"
#include "toolkit/ListView.h"

#include <functional>
#include <string>

namespace macros {

// Refills the table from the macro key (created when missing) and selects the first row.
// Values with names that are not hexadecimal numbers and values that are not text are
// skipped. The table changes only when everything was read: when the key is missing and
// cannot be created it stays as it was and false is returned; a key that exists but cannot
// be opened or read raises the store error naming the key and the reason, and a read
// error of a value reaches the caller; the table then stays as it was.
bool LoadMacroList(TMacroTable& table, toolkit::TListSelection& list);
// Lets the store start reading the macro key now, for the next LoadMacroList to take.
void ReadMacroListAhead();
// Makes the macro key hold one text value per entry, named by the key code's eight hex
// digits (a later entry wins over an earlier one with the same name), without deleting it
// first: the entries are written, then the values the table does not hold are deleted;
// subkeys stay. An untouched text goes back with the store's own bytes. Any failure (a
// write, a deletion, a key that cannot be opened) raises a store error.
void SaveMacroList(const TMacroTable& table);

// The table as the list view's rows: the key text, then the macro text.
class TMacroRows : public toolkit::TListModel {
public:
    explicit TMacroRows(const TMacroTable& table) : table_(table) {}
    int RowCount() const override { return table_.Count(); }
    std::string CellText(int row, int column) const override;

private:
    const TMacroTable& table_;
};

// Edits one macro: the combination and text in, true for OK with the edited values out.
using MacroEditor = std::function<bool(TKeyCombination& combination, std::string& text,
                                       const UsedByAnotherMacro& usedByAnotherMacro)>;

// The commands of the macro page, for the window to connect to its buttons and list.
class TMacroListCommands {
public:
    // The editor is EditMacro unless a caller passes another.
    TMacroListCommands(TMacroTable& table, toolkit::TListSelection& list, MacroEditor editor = {});

    // Adds a macro; a key that an entry has already asks before that entry is changed.
    void NewBtnClick();
    // Edits the selected entry; a key that another entry has asks before that one changes.
    void EditBtnClick();
    // Deletes the selected entry after asking, and selects the row that followed it.
    void DeleteBtnClick();
    // As Edit.
    void MacroListViewDblClick();
    // Insert and Delete without any modifier or mouse button act as New and Delete.
    void MacroListViewKeyUp(std::uint16_t key, toolkit::TShiftState shift);

private:
    TMacroTable& table_;
    toolkit::TListSelection& list_;
    MacroEditor editor_;
};

} // namespace macros

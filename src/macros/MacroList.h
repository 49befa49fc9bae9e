// The macro list of the settings window: one row per macro, the key code in the item's
// Data, the key text as caption and the macro text as the first sub-item. A text loaded
// with characters the program's code page cannot hold keeps the store's own bytes as a
// second sub-item, which no column shows and every edit drops. It is filled from
// and written back to the macro key of the settings store, and edited by the commands New,
// Edit and Delete.
#pragma once

#include "macros/KeyCode.h"
#include "toolkit/ListView.h"

#include <functional>
#include <string>

namespace macros {

// One macro as it is saved and exported.
struct TListKeyRec {
    TKeyCode KeyCode = 0;
    std::string MacroText;
    bool operator==(const TListKeyRec&) const = default;
};

// The item's key code and its first sub-item (empty when it has none).
TListKeyRec ItemToKeyRec(const toolkit::TListItem& item);
// Sets the caption to the code's key text, stores the code and makes the text the only
// sub-item.
void SetMacroItem(toolkit::TListItem& item, TKeyCode code, std::string text);
// Appends an item set to the code and text; it moves to its sorted place.
toolkit::TListItem* AddMacroItem(toolkit::TListView& listView, TKeyCode code, std::string text);
// The last item in list order whose stored code equals the combination's key code, or null.
toolkit::TListItem* FindMacroItem(const toolkit::TListView& listView,
                                  const TKeyCombination& combination);
// Selects the item and gives it the focus mark.
void SelectMacroItem(toolkit::TListView& listView, toolkit::TListItem* item);

// Refills the list from the macro key (created when missing) and selects the first row.
// Values with names that are not hexadecimal numbers and values that are not text are
// skipped. The list changes only when everything was read: when the key is missing and
// cannot be created it stays as it was and false is returned; a key that exists but cannot
// be opened or read raises the store error naming the key and the reason, and the list
// stays as it was.
bool LoadMacroList(toolkit::TListView& listView);
// Replaces the macro key by one text value per row, in list order, named by the key code's
// eight hex digits (a later row wins over an earlier one with the same name). A failing
// write, or a macro key that cannot be created again while rows are to be written, raises a
// store error.
void SaveMacroList(const toolkit::TListView& listView);

// Edits one macro: the combination and text in, true for OK with the edited values out.
using MacroEditor = std::function<bool(TKeyCombination& combination, std::string& text)>;

// The commands of the macro page, for the window to connect to its buttons and list.
class TMacroListCommands {
public:
    // The editor is EditMacro unless a caller passes another.
    explicit TMacroListCommands(toolkit::TListView& listView, MacroEditor editor = {});

    // Adds a macro; a key that a row has already asks before that row is changed.
    void NewBtnClick();
    // Edits the selected row; a key that another row has asks before that row is changed.
    void EditBtnClick();
    // Deletes the selected row after asking, and selects the row that followed it.
    void DeleteBtnClick();
    // As Edit.
    void MacroListViewDblClick();
    // Insert and Delete without any modifier or mouse button act as New and Delete.
    void MacroListViewKeyUp(std::uint16_t key, toolkit::TShiftState shift);

private:
    toolkit::TListView& listView_;
    MacroEditor editor_;
};

} // namespace macros

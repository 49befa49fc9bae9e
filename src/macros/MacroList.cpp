#include "macros/MacroList.h"

#include "macros/EditMacroUnit.h"
#include "macros/MacroValue.h"
#include "platform/Cp1252.h"
#include "platform/Services.h"
#include "platform/VirtualKeys.h"
#include "settings/Layout.h"
#include "settings/Registry.h"
#include "settings/StoreError.h"
#include "toolkit/MessageBoxes.h"

#include <algorithm>
#include <vector>

namespace macros {

bool LoadMacroList(TMacroTable& table, toolkit::TListSelection& list) {
    std::vector<TMacroTable::Entry> entries;
    {
        settings::TRegistry registry;
        if (!registry.OpenKeyForLoading(settings::kMacroKey)) {
            // Missing and not to be created: there are no stored macros to show.
            return false;
        }
        // One pass over the key reads every name with its value.
        auto values = registry.GetValues();
        const auto byName = [](const auto& a, const auto& b) {
            return platform::NameLessIgnoringCase(a.first, b.first);
        };
        // Some stores hand the names over sorted already.
        if (!std::is_sorted(values.begin(), values.end(), byName)) {
            std::sort(values.begin(), values.end(), byName);
        }
        entries.reserve(values.size());
        for (auto& [name, value] : values) {
            const std::optional<TKeyCode> code = MacroKeyCode(name, value.type);
            if (!code) {
                continue;
            }
            entries.push_back(
                {{*code, settings::TRegistry::TextOf(value)}, {}, std::move(value.original)});
            // Its room goes to the next text: a large store is never held twice over.
            std::vector<std::uint8_t>().swap(value.data);
        }
    }

    // Everything is read: only now does the table change.
    table.Assign(std::move(entries));
    list.RowsChanged();
    list.Select(table.Count() > 0 ? 0 : -1);
    return true;
}

void ReadMacroListAhead() {
    platform::Reg().ReadAhead(settings::TRegistry().RootKey(), settings::kMacroKey);
}

void SaveMacroList(const TMacroTable& table) {
    std::vector<std::pair<std::string, platform::RegValue>> rows;
    rows.reserve(table.Entries().size());
    for (const TMacroTable::Entry& entry : table.Entries()) {
        const std::string& text = entry.Macro.MacroText;
        // An untouched text the program's code page cannot hold goes back as it was read.
        rows.emplace_back(KeyCodeToValueName(entry.Macro.KeyCode),
                          platform::RegValue(static_cast<std::uint32_t>(platform::RegType::Sz),
                                             {text.begin(), text.end()}, entry.StoredText));
    }
    settings::TRegistry registry;
    registry.OpenKeyForWriting(settings::kMacroKey);
    // The key is rewritten in place: a save stopped at any point loses no macro.
    registry.ReplaceTexts(std::move(rows));
}

std::string TMacroRows::CellText(int row, int column) const {
    if (row < 0 || row >= table_.Count()) {
        return {};
    }
    const TMacroTable::Entry& entry = table_.At(row);
    switch (column) {
    case 0:
        return entry.KeyText;
    case 1:
        return entry.Macro.MacroText;
    default:
        return {};
    }
}

TMacroListCommands::TMacroListCommands(TMacroTable& table, toolkit::TListSelection& list,
                                       MacroEditor editor)
    : table_(table), list_(list), editor_(editor ? std::move(editor) : MacroEditor(EditMacro)) {}

void TMacroListCommands::NewBtnClick() {
    TKeyCombination combination;
    std::string text;
    // The editor's hint names a key that the question after OK will be about.
    const UsedByAnotherMacro used = [this](const TKeyCombination& edited) {
        return table_.Find(KeyCodeOf(edited)) >= 0;
    };
    if (editor_(combination, text, used)) {
        const TKeyCode code = KeyCodeOf(combination);
        int row = table_.Find(code);
        if (row < 0) {
            row = table_.Insert(code, text);
            list_.RowsChanged();
        } else if (toolkit::AskYesNo("Vorhandenen Eintrag ändern?")) {
            row = table_.Replace(row, code, text);
            list_.RowsChanged();
        }
        list_.Select(row);
        list_.MakeVisible(row);
    }
    list_.FocusList();
}

void TMacroListCommands::EditBtnClick() {
    const int selected = list_.Selected();
    if (selected >= 0 && selected < table_.Count()) {
        const TMacro rec = table_.At(selected).Macro;
        TKeyCombination combination = SplitKeyCode(rec.KeyCode);
        std::string text = rec.MacroText;
        const UsedByAnotherMacro used = [this, &rec](const TKeyCombination& edited) {
            return KeyCodeOf(edited) != rec.KeyCode && table_.Find(KeyCodeOf(edited)) >= 0;
        };
        if (editor_(combination, text, used)) {
            int target = selected;
            bool change = true;
            const TKeyCode code = KeyCodeOf(combination);
            if (code != rec.KeyCode) {
                const int other = table_.Find(code);
                if (other >= 0) {
                    if (toolkit::AskYesNo("Vorhandenen Eintrag für Taste [" + KeyCodeToText(code) +
                                          "] ändern?")) {
                        // The other row takes the edit; the edited row stays as it was.
                        target = other;
                    } else {
                        change = false;
                    }
                }
            }
            if (change) {
                target = table_.Replace(target, code, text);
                list_.RowsChanged();
                // The selection stays with the changed row, which a new key may have moved.
                list_.Select(target);
                list_.MakeVisible(target);
            }
        }
    }
    list_.FocusList();
}

void TMacroListCommands::DeleteBtnClick() {
    if (!toolkit::AskYesNo("Diesen Eintrag löschen?")) {
        return;
    }
    // Without a selected row there is nothing to delete.
    const int selected = list_.Selected();
    if (selected >= 0 && selected < table_.Count()) {
        table_.Remove(selected);
        list_.RowsChanged();
        // The row that followed the deleted one, or the new last row.
        const int next = std::min(selected, table_.Count() - 1);
        list_.Select(next);
        if (next >= 0) {
            list_.MakeVisible(next);
        }
    }
    list_.FocusList();
}

void TMacroListCommands::MacroListViewDblClick() {
    EditBtnClick();
}

void TMacroListCommands::MacroListViewKeyUp(std::uint16_t key, toolkit::TShiftState shift) {
    if (shift != 0) {
        return;
    }
    if (key == platform::kVkInsert) {
        NewBtnClick();
    } else if (key == platform::kVkDelete) {
        DeleteBtnClick();
    }
}

} // namespace macros

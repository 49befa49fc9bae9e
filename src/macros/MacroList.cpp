#include "macros/MacroList.h"

#include "macros/EditMacroUnit.h"
#include "platform/Cp1252.h"
#include "settings/Layout.h"
#include "settings/Registry.h"
#include "settings/StoreError.h"
#include "toolkit/MessageBoxes.h"

#include <algorithm>
#include <vector>

namespace macros {
namespace {

constexpr std::uint16_t kInsertKey = 0x2D;
constexpr std::uint16_t kDeleteKey = 0x2E;

// Ends the list's update on every path, so that it sorts and redraws.
class UpdateScope {
public:
    explicit UpdateScope(toolkit::TListView& listView) : listView_(listView) {
        listView_.BeginUpdate();
    }
    ~UpdateScope() { listView_.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    toolkit::TListView& listView_;
};

} // namespace

TListKeyRec ItemToKeyRec(const toolkit::TListItem& item) {
    TListKeyRec rec;
    rec.KeyCode = item.Data;
    if (!item.SubItems.empty()) {
        rec.MacroText = item.SubItems.front();
    }
    return rec;
}

void SetMacroItem(toolkit::TListItem& item, TKeyCode code, std::string text) {
    item.Data = code;
    item.SubItems.clear();
    item.SubItems.push_back(std::move(text));
    // Last: the new caption moves the item to its place and redraws it.
    item.SetCaption(KeyCodeToText(code));
}

toolkit::TListItem* AddMacroItem(toolkit::TListView& listView, TKeyCode code, std::string text) {
    toolkit::TListItem* item = listView.Add();
    SetMacroItem(*item, code, std::move(text));
    return item;
}

toolkit::TListItem* FindMacroItem(const toolkit::TListView& listView,
                                  const TKeyCombination& combination) {
    const TKeyCode code = KeyCodeOf(combination);
    toolkit::TListItem* found = nullptr;
    for (int index = 0; index < listView.Count(); ++index) {
        toolkit::TListItem* item = listView.Item(index);
        if (item->Data == code) {
            found = item;
        }
    }
    return found;
}

void SelectMacroItem(toolkit::TListView& listView, toolkit::TListItem* item) {
    listView.Select(item);
}

bool LoadMacroList(toolkit::TListView& listView) {
    std::vector<TListKeyRec> records;
    {
        settings::TRegistry registry;
        if (!registry.OpenKey(settings::kMacroKey, true)) {
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
        records.reserve(values.size());
        for (const auto& [name, value] : values) {
            const std::optional<TKeyCode> code = ValueNameToKeyCode(name);
            if (!code || !settings::TRegistry::IsText(value)) {
                continue;
            }
            records.push_back({*code, settings::TRegistry::TextOf(value)});
        }
    }

    // Everything is read: only now does the list change.
    {
        UpdateScope update(listView);
        listView.Clear();
        for (TListKeyRec& rec : records) {
            AddMacroItem(listView, rec.KeyCode, std::move(rec.MacroText));
        }
    }
    if (listView.Count() > 0) {
        SelectMacroItem(listView, listView.Item(0));
    }
    return true;
}

void SaveMacroList(const toolkit::TListView& listView) {
    settings::TRegistry registry;
    registry.DeleteKey(settings::kMacroKey);
    if (!registry.OpenKey(settings::kMacroKey, true)) {
        // The store now holds no macros; the user must learn that the rows were not saved.
        if (listView.Count() > 0) {
            settings::RaiseWriteError(KeyCodeToValueName(ItemToKeyRec(*listView.Item(0)).KeyCode),
                                      "");
        }
        return;
    }
    std::vector<std::pair<std::string, std::string>> rows;
    rows.reserve(static_cast<std::size_t>(listView.Count()));
    for (int index = 0; index < listView.Count(); ++index) {
        TListKeyRec rec = ItemToKeyRec(*listView.Item(index));
        rows.emplace_back(KeyCodeToValueName(rec.KeyCode), std::move(rec.MacroText));
    }
    registry.WriteStrings(rows);
}

TMacroListCommands::TMacroListCommands(toolkit::TListView& listView, MacroEditor editor)
    : listView_(listView), editor_(editor ? std::move(editor) : MacroEditor(EditMacro)) {}

void TMacroListCommands::NewBtnClick() {
    TKeyCombination combination;
    std::string text;
    if (editor_(combination, text)) {
        const TKeyCode code = KeyCodeOf(combination);
        toolkit::TListItem* item = FindMacroItem(listView_, combination);
        if (item == nullptr) {
            item = AddMacroItem(listView_, code, text);
        } else if (toolkit::AskYesNo("Vorhandenen Eintrag ändern?")) {
            SetMacroItem(*item, code, text);
        }
        SelectMacroItem(listView_, item);
        listView_.MakeVisible(item);
    }
    listView_.SetFocus();
}

void TMacroListCommands::EditBtnClick() {
    toolkit::TListItem* selected = listView_.Selected();
    if (selected != nullptr) {
        const TListKeyRec rec = ItemToKeyRec(*selected);
        TKeyCombination combination = SplitKeyCode(rec.KeyCode);
        std::string text = rec.MacroText;
        if (editor_(combination, text)) {
            toolkit::TListItem* target = selected;
            bool change = true;
            const TKeyCode code = KeyCodeOf(combination);
            if (code != rec.KeyCode) {
                if (toolkit::TListItem* other = FindMacroItem(listView_, combination)) {
                    if (toolkit::AskYesNo("Vorhandenen Eintrag für Taste [" + KeyCodeToText(code) +
                                          "] ändern?")) {
                        // The other row takes the edit; the edited row stays as it was.
                        target = other;
                        SelectMacroItem(listView_, target);
                    } else {
                        change = false;
                    }
                }
            }
            if (change) {
                SetMacroItem(*target, code, text);
                // A new key may have moved the row away.
                listView_.MakeVisible(target);
            }
        }
    }
    listView_.SetFocus();
}

void TMacroListCommands::DeleteBtnClick() {
    if (!toolkit::AskYesNo("Diesen Eintrag löschen?")) {
        return;
    }
    // Without a selected row there is nothing to delete.
    if (toolkit::TListItem* selected = listView_.Selected()) {
        int index = selected->Index();
        listView_.Delete(selected);
        if (index > listView_.Count() - 1) {
            index = listView_.Count() - 1;
        }
        if (listView_.Count() > 0) {
            SelectMacroItem(listView_, listView_.Item(index));
        }
    }
    listView_.SetFocus();
}

void TMacroListCommands::MacroListViewDblClick() {
    EditBtnClick();
}

void TMacroListCommands::MacroListViewKeyUp(std::uint16_t key, toolkit::TShiftState shift) {
    if (shift != 0) {
        return;
    }
    if (key == kInsertKey) {
        NewBtnClick();
    } else if (key == kDeleteKey) {
        DeleteBtnClick();
    }
}

} // namespace macros

#include "macros/MacroList.h"

#include "macros/EditMacroUnit.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Layout.h"
#include "settings/StoreError.h"
#include "toolkit/ErrorDisplay.h"
#include "toolkit/fake/FakeApplicationHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

using macros::KeyCodeOf;
using macros::KeyCodeToValueName;
using macros::SplitKeyCode;
using macros::TEditMacroForm;
using macros::TKeyCode;
using macros::TMacro;

namespace {

constexpr auto HKCU = platform::Hive::CurrentUser;

// The list view as the commands see it: what they select, scroll to and focus.
struct ListViewState : toolkit::TListSelection {
    int selected = -1;
    int focusMark = -1;
    std::vector<int> madeVisible;
    bool focused = false;
    int Selected() const override { return selected; }
    void Select(int row) override { selected = focusMark = row; }
    void MakeVisible(int row) override { madeVisible.push_back(row); }
    void RowsChanged() override {}
    void FocusList() override { focused = true; }
};

struct MacroPage {
    platform::fake::FakePlatform fake;
    toolkit::fake::FakeApplicationHost host;
    macros::TMacroTable table;
    ListViewState list;
    macros::TMacroListCommands commands{table, list};

    // What the user does in the macro editor.
    void User(const std::function<void(TEditMacroForm&)>& script) {
        host.onModal = [script](toolkit::TForm& f) { script(dynamic_cast<TEditMacroForm&>(f)); };
    }

    int Add(TKeyCode code, const std::string& text) { return table.Insert(code, text); }

    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const auto& entry : table.Entries()) {
            captions.push_back(entry.KeyText);
        }
        return captions;
    }

    std::vector<TMacro> Records() const {
        std::vector<TMacro> records;
        for (int i = 0; i < table.Count(); ++i) {
            records.push_back(table.At(i).Macro);
        }
        return records;
    }
};

// Presses the keys AltGr+G (or another key) in the editor, types the text and confirms.
std::function<void(TEditMacroForm&)> Enter(std::uint8_t modifiers, std::uint16_t key,
                                           const std::string& text) {
    return [=](TEditMacroForm& e) {
        const std::pair<toolkit::TCheckBox*, std::uint8_t> boxes[] = {
            {&e.cbShift, 0x01}, {&e.cbCtrl, 0x02}, {&e.cbAlt, 0x04},
            {&e.cbAltGr, 0x08}, {&e.cbLWin, 0x40}, {&e.cbRWin, 0x80}};
        // AltGr first, as its rule clears Strg and Alt.
        e.cbAltGr.SetChecked((modifiers & 0x08) != 0);
        for (const auto& [box, bit] : boxes) {
            if (box != &e.cbAltGr) {
                box->SetChecked((modifiers & bit) != 0);
            }
        }
        e.HotKey1.UserPressed(key);
        e.textEdit.UserSetText(text);
        e.btnOK.Click();
    };
}

const std::vector<std::string> kNoBoxes;

} // namespace

TEST(MacroList, EntriesAndTheRowsTheListViewShows) {
    MacroPage page;
    const macros::TMacroRows rows(page.table);
    int item = page.Add(0x00080047, "x");
    EXPECT_EQ(rows.RowCount(), 1);
    EXPECT_EQ(rows.CellText(item, 0), "AltGr+ G");
    EXPECT_EQ(rows.CellText(item, 1), "x");
    EXPECT_EQ(rows.CellText(item, 2), "");
    EXPECT_EQ(rows.CellText(1, 0), "");
    EXPECT_EQ(page.table.At(item).Macro, (TMacro{0x00080047, "x"}));

    item = page.table.Replace(item, 0x00800079, "neu");
    EXPECT_EQ(rows.CellText(item, 0), "RWin+ F10");
    EXPECT_EQ(page.table.At(item).Macro, (TMacro{0x00800079, "neu"}));

    // A code keeps the bits outside the macro-key mask it was given.
    item = page.table.Replace(item, 0x00180047, "caps");
    EXPECT_EQ(page.table.At(item).Macro, (TMacro{0x00180047, "caps"}));
    EXPECT_EQ(rows.CellText(item, 0), "AltGr+ G");

    // Insert-or-replace changes the last entry with the code, or adds one; remove takes it.
    page.Add(0x00180047, "zweite");
    EXPECT_EQ(page.table.InsertOrReplace(0x00180047, "ersetzt"), 1);
    EXPECT_EQ(page.table.InsertOrReplace(0x00000070, "neu"), 0);
    EXPECT_EQ(
        page.Records(),
        (std::vector<TMacro>{{0x00000070, "neu"}, {0x00180047, "caps"}, {0x00180047, "ersetzt"}}));
    page.table.Remove(1);
    EXPECT_EQ(page.Records(), (std::vector<TMacro>{{0x00000070, "neu"}, {0x00180047, "ersetzt"}}));
    EXPECT_THROW(page.table.Remove(2), std::out_of_range);
}

TEST(MacroList, RowsStandInOrderOfTheirKeyTextWithoutModifiersFirst) {
    MacroPage page;
    page.Add(0x00010041, "Umsch A");
    page.Add(0x00800079, "RWin F10");
    page.Add(0x00000070, "F1");
    page.Add(0x00400041, "LWin A");
    page.Add(0x00080047, "AltGr G");
    page.Add(0x00070058, "Umsch Alt Strg X");
    page.Add(0x00000041, "A");
    EXPECT_EQ(page.Captions(),
              (std::vector<std::string>{" A", " F1", "AltGr+ G", "LWin+ A", "RWin+ F10", "Umsch+ A",
                                        "Umsch+Alt+Strg+ X"}));
}

TEST(MacroList, FindComparesKeyCodesAndReturnsTheLastMatch) {
    MacroPage page;
    page.Add(0x00080047, "g");
    page.Add(0x0008005A, "z1");
    page.Add(0x0008005A, "z2");
    page.Add(0x00180048, "caps H");
    ASSERT_EQ(
        page.Records(),
        (std::vector<TMacro>{
            {0x00080047, "g"}, {0x00180048, "caps H"}, {0x0008005A, "z1"}, {0x0008005A, "z2"}}));
    EXPECT_EQ(page.table.Find(KeyCodeOf({0x47, 0x08})), 0);
    EXPECT_EQ(page.table.Find(KeyCodeOf({0x5A, 0x08})), 3);
    // The combination is packed first: bit 4 is dropped, so the stored 0x00180048 differs.
    EXPECT_EQ(page.table.Find(KeyCodeOf({0x48, 0x18})), -1);
    EXPECT_EQ(page.table.Find(KeyCodeOf({0x47, 0x0A})), -1);
    EXPECT_EQ(page.table.Find(KeyCodeOf({0x47, 0x18})), 0);
}

TEST(MacroList, NewWithAFreeKeyAddsASelectedVisibleRowInSortedPlace) {
    MacroPage page;
    page.Add(0x00000070, "F1");
    page.Add(0x00800079, "RWin F10");
    page.User([](TEditMacroForm& e) {
        // The editor opens empty.
        EXPECT_FALSE(e.cbAltGr.Checked() || e.cbRWin.Checked() || e.cbCtrl.Checked() ||
                     e.cbAlt.Checked() || e.cbShift.Checked() || e.cbLWin.Checked());
        EXPECT_EQ(e.HotKey1.Key(), 0);
        EXPECT_EQ(e.textEdit.Text(), "");
        e.cbAltGr.UserClick();
        e.HotKey1.UserPressed(0x47);
        e.textEdit.UserSetText("x");
        e.btnOK.Click();
    });
    page.commands.NewBtnClick();
    EXPECT_EQ(page.Captions(), (std::vector<std::string>{" F1", "AltGr+ G", "RWin+ F10"}));
    const int added = 1;
    EXPECT_EQ(page.table.At(added).Macro, (TMacro{0x00080047, "x"}));
    EXPECT_EQ(page.list.selected, added);
    EXPECT_EQ(page.list.focusMark, added);
    EXPECT_EQ(page.list.madeVisible, std::vector<int>{added});
    EXPECT_TRUE(page.list.focused);
    EXPECT_TRUE(page.fake.boxes.log.empty());
}

TEST(MacroList, NewWithATakenKeyAsksAndSelectsTheExistingRow) {
    struct Case {
        bool yes;
        std::string text;
    } cases[] = {{true, "neu"}, {false, "alt"}};
    for (const auto& c : cases) {
        MacroPage page;
        page.Add(0x00000070, "F1");
        const int existing = page.Add(0x00080047, "alt");
        page.Add(0x00800079, "RWin F10");
        page.fake.boxes.answers = {c.yes};
        page.User(Enter(0x08, 0x47, "neu"));
        page.commands.NewBtnClick();
        EXPECT_EQ(
            page.fake.boxes.log,
            (std::vector<std::string>{"beep:question", "yesno:Vorhandenen Eintrag \xE4ndern?"}));
        EXPECT_EQ(page.Records(),
                  (std::vector<TMacro>{
                      {0x00000070, "F1"}, {0x00080047, c.text}, {0x00800079, "RWin F10"}}))
            << c.yes;
        EXPECT_EQ(page.list.selected, existing);
        EXPECT_EQ(page.list.madeVisible, std::vector<int>{existing});
        EXPECT_TRUE(page.list.focused);
    }
}

TEST(MacroList, NewCancelledChangesNothingButGivesTheFocusBack) {
    MacroPage page;
    const int g = page.Add(0x00080047, "g");
    page.list.Select(g);
    page.User([](TEditMacroForm& e) {
        e.HotKey1.UserPressed(0x41);
        e.btnCancel.Click();
    });
    page.commands.NewBtnClick();
    EXPECT_EQ(page.Records(), (std::vector<TMacro>{{0x00080047, "g"}}));
    EXPECT_EQ(page.list.selected, g);
    EXPECT_TRUE(page.list.focused);
    EXPECT_EQ(page.host.modalFormsShown, 1);
}

TEST(MacroList, EditWithoutKeyChangeReplacesTheTextWithoutAQuestion) {
    MacroPage page;
    page.Add(0x00000070, "F1");
    const int g = page.Add(0x00080047, "alt");
    page.list.Select(g);
    page.User([](TEditMacroForm& e) {
        EXPECT_TRUE(e.cbAltGr.Checked());
        EXPECT_EQ(e.HotKey1.Key(), 0x47);
        EXPECT_EQ(e.textEdit.Text(), "alt");
        e.textEdit.UserSetText("neu");
        e.btnOK.Click();
    });
    page.commands.EditBtnClick();
    EXPECT_EQ(page.Records(), (std::vector<TMacro>{{0x00000070, "F1"}, {0x00080047, "neu"}}));
    EXPECT_TRUE(page.fake.boxes.log.empty());
    EXPECT_EQ(page.list.selected, g);
    EXPECT_TRUE(page.list.focused);
}

TEST(MacroList, EditToAFreeKeyMovesTheRow) {
    MacroPage page;
    page.Add(0x00000070, "F1");
    const int g = page.Add(0x00080047, "g");
    page.Add(0x00800079, "RWin F10");
    page.list.Select(g);
    page.User(Enter(0x01, 0x58, "g jetzt X"));
    page.commands.EditBtnClick();
    EXPECT_EQ(page.Records(),
              (std::vector<TMacro>{
                  {0x00000070, "F1"}, {0x00800079, "RWin F10"}, {0x00010058, "g jetzt X"}}));
    // The selection moved with the row.
    EXPECT_EQ(page.list.selected, 2);
    EXPECT_EQ(page.list.madeVisible, std::vector<int>{2});
    EXPECT_TRUE(page.fake.boxes.log.empty());
}

TEST(MacroList, EditToATakenKeyAsksWithThatKeysText) {
    struct Case {
        bool yes;
        std::vector<TMacro> records;
        int selected;
    } cases[] = {
        // Yes: both rows stay; the other row holds the edited text and is selected.
        {true, {{0x00080047, "bearbeitet"}, {0x00080048, "h"}}, 0},
        // No: nothing changes.
        {false, {{0x00080047, "g"}, {0x00080048, "h"}}, 1},
    };
    for (const auto& c : cases) {
        MacroPage page;
        page.Add(0x00080047, "g");
        const int h = page.Add(0x00080048, "h");
        page.list.Select(h);
        page.fake.boxes.answers = {c.yes};
        page.User(Enter(0x08, 0x47, "bearbeitet"));
        page.commands.EditBtnClick();
        EXPECT_EQ(
            page.fake.boxes.log,
            (std::vector<std::string>{
                "beep:question", "yesno:Vorhandenen Eintrag f\xFCr Taste [AltGr+ G] \xE4ndern?"}));
        EXPECT_EQ(page.Records(), c.records) << c.yes;
        EXPECT_EQ(page.list.selected, c.selected) << c.yes;
        EXPECT_EQ(page.list.focusMark, c.selected) << c.yes;
        EXPECT_TRUE(page.list.focused);
    }
}

TEST(MacroList, TheEditorSaysAKeyIsTakenExactlyWhenTheListWouldAsk) {
    struct Case {
        const char* what;
        int edited; // the row edited, or -1 for New
        TKeyCode key;
        bool said;
    } cases[] = {
        {"new on a taken key", -1, 0x00080047, true},
        {"new on a free key", -1, 0x00080057, false},
        {"edit keeping its own key", 1, 0x00080047, false},
        {"edit to another row's key", 0, 0x00080047, true},
        {"edit to a free key", 0, 0x00080057, false},
    };
    for (const Case& c : cases) {
        MacroPage page;
        page.Add(0x00000070, "F1");
        page.Add(0x00080047, "alt");
        std::string shown;
        page.User([&](TEditMacroForm& e) {
            Enter(SplitKeyCode(c.key).Modifiers, SplitKeyCode(c.key).VirtualKey, "x")(e);
            shown = e.HintLbl.Caption();
        });
        page.fake.boxes.answers = {false};
        if (c.edited < 0) {
            page.commands.NewBtnClick();
        } else {
            page.list.selected = c.edited;
            page.commands.EditBtnClick();
        }
        EXPECT_EQ(shown.find("anderes Makro") != std::string::npos, c.said) << c.what;
        EXPECT_EQ(page.fake.boxes.log.empty(), !c.said) << c.what;
    }
}

TEST(MacroList, EditWithoutSelectionOnlyGivesTheFocusBack) {
    MacroPage page;
    page.Add(0x00080047, "g");
    page.User(Enter(0x08, 0x48, "h"));
    page.commands.EditBtnClick();
    EXPECT_EQ(page.host.modalFormsShown, 0);
    EXPECT_EQ(page.Records(), (std::vector<TMacro>{{0x00080047, "g"}}));
    EXPECT_TRUE(page.list.focused);
}

TEST(MacroList, EditCancelledLeavesTheRow) {
    MacroPage page;
    const int g = page.Add(0x00080047, "g");
    page.list.Select(g);
    page.User([](TEditMacroForm& e) {
        e.cbAltGr.UserClick();
        e.textEdit.UserSetText("weg");
        e.btnCancel.Click();
    });
    page.commands.EditBtnClick();
    EXPECT_EQ(page.Records(), (std::vector<TMacro>{{0x00080047, "g"}}));
    EXPECT_TRUE(page.list.focused);
}

TEST(MacroList, EditOpensTheEditorWithTheStoredCodeSplit) {
    MacroPage page;
    // A stored code keeps bit 4; the editor cannot show it, so OK packs the code anew.
    const int caps = page.Add(0x00190100, "caps");
    page.list.Select(caps);
    page.User([](TEditMacroForm& e) {
        EXPECT_TRUE(e.cbAltGr.Checked());
        EXPECT_TRUE(e.cbShift.Checked());
        EXPECT_EQ(e.HotKey1.Key(), 0); // virtual-key 0x100 does not fit the field
        EXPECT_EQ(e.textEdit.Text(), "caps");
        e.btnOK.Click();
    });
    page.commands.MacroListViewDblClick();
    EXPECT_EQ(page.host.modalFormsShown, 1);
    EXPECT_EQ(page.Records(), (std::vector<TMacro>{{0x00090000, "caps"}}));
}

TEST(MacroList, DeleteAsksAndSelectsTheFollowingOrNewLastRow) {
    struct Case {
        const char* name;
        int rows;
        int selected; // -1: none
        bool yes;
        std::vector<std::string> captions;
        int selectedAfter; // -1: none
    } cases[] = {
        {"middle row", 3, 1, true, {" F1", "RWin+ F10"}, 1},
        {"first row", 3, 0, true, {"AltGr+ G", "RWin+ F10"}, 0},
        {"last row", 3, 2, true, {" F1", "AltGr+ G"}, 1},
        {"only row", 1, 0, true, {}, -1},
        {"answer No", 3, 1, false, {" F1", "AltGr+ G", "RWin+ F10"}, 1},
        {"no selection", 3, -1, true, {" F1", "AltGr+ G", "RWin+ F10"}, -1},
        {"empty list", 0, -1, true, {}, -1},
    };
    const std::pair<TKeyCode, const char*> rows[] = {
        {0x00000070, "F1"}, {0x00080047, "g"}, {0x00800079, "F10"}};
    for (const auto& c : cases) {
        MacroPage page;
        for (int i = 0; i < c.rows; ++i) {
            page.Add(rows[i].first, rows[i].second);
        }
        if (c.selected >= 0) {
            page.list.Select(c.selected);
        }
        page.fake.boxes.answers = {c.yes};
        page.commands.DeleteBtnClick();
        EXPECT_EQ(page.fake.boxes.log,
                  (std::vector<std::string>{"beep:question", "yesno:Diesen Eintrag l\xF6schen?"}))
            << c.name;
        EXPECT_EQ(page.Captions(), c.captions) << c.name;
        EXPECT_EQ(page.list.selected, c.selectedAfter) << c.name;
        EXPECT_EQ(page.list.focusMark, c.selectedAfter) << c.name;
        if (c.yes) {
            EXPECT_TRUE(page.list.focused) << c.name;
        }
    }
}

TEST(MacroList, InsertAndDeleteKeysActOnlyWithoutModifiers) {
    struct Case {
        std::uint16_t key;
        toolkit::TShiftState shift;
        int editors;
        int questions;
    } cases[] = {
        {0x2D, 0, 1, 0},
        {0x2E, 0, 0, 1},
        {0x2D, toolkit::ssShift, 0, 0},
        {0x2D, toolkit::ssCtrl, 0, 0},
        {0x2D, toolkit::ssAlt, 0, 0},
        {0x2E, toolkit::ssShift, 0, 0},
        {0x2E, toolkit::ssCtrl | toolkit::ssAlt, 0, 0},
        {0x2E, toolkit::ssLeft, 0, 0},
        {0x2D, toolkit::ssRight, 0, 0},
        {0x2D, toolkit::ssMiddle, 0, 0},
        {0x0D, 0, 0, 0},
        {0x41, 0, 0, 0},
        {0x2C, 0, 0, 0},
    };
    for (const auto& c : cases) {
        MacroPage page;
        const int g = page.Add(0x00080047, "g");
        page.list.Select(g);
        page.User([](TEditMacroForm& e) { e.btnCancel.Click(); });
        page.commands.MacroListViewKeyUp(c.key, c.shift);
        EXPECT_EQ(page.host.modalFormsShown, c.editors) << std::hex << c.key << " " << c.shift;
        EXPECT_EQ(page.fake.boxes.shown.size(), static_cast<std::size_t>(c.questions))
            << std::hex << c.key << " " << c.shift;
        EXPECT_EQ(page.table.Count(), 1);
    }
}

TEST(MacroList, LoadSkipsNamesThatAreNoKeyCodes) {
    MacroPage page;
    page.fake.registry.SetString(HKCU, settings::kMacroKey, "Default", "nein");
    page.fake.registry.SetString(HKCU, settings::kMacroKey, "8005A", "z");
    page.fake.registry.SetString(HKCU, settings::kMacroKey, "00080047", "g");
    page.fake.registry.SetString(HKCU, settings::kMacroKey, "", "Standardwert");
    page.Add(0x00000070, "vorher");
    EXPECT_TRUE(macros::LoadMacroList(page.table, page.list));
    EXPECT_EQ(page.Records(), (std::vector<TMacro>{{0x00080047, "g"}, {0x0008005A, "z"}}));
    EXPECT_EQ(page.Captions(), (std::vector<std::string>{"AltGr+ G", "AltGr+ Z"}));
    EXPECT_EQ(page.list.selected, 0);
    EXPECT_EQ(page.list.focusMark, 0);
    EXPECT_EQ(page.fake.registry.OpenKeys(), 0);
}

TEST(MacroList, ALoadAsksTheLayoutForTheNameOfEachKeyOnce) {
    MacroPage page;
    for (const char* name : {"00080047", "00010047", "00000047", "00080048", "00090048"}) {
        page.fake.registry.SetString(HKCU, settings::kMacroKey, name, "x");
    }
    EXPECT_TRUE(macros::LoadMacroList(page.table, page.list));
    EXPECT_EQ(page.fake.keyboard.nameRequests.size(), 2u);
    EXPECT_EQ(page.Captions(), (std::vector<std::string>{" G", "AltGr+ G", "AltGr+ H",
                                                         "AltGr+Umsch+ H", "Umsch+ G"}));
}

TEST(MacroList, LoadCreatesAMissingKeyAndLeavesAnEmptyList) {
    MacroPage page;
    page.Add(0x00000070, "vorher");
    EXPECT_TRUE(macros::LoadMacroList(page.table, page.list));
    EXPECT_EQ(page.table.Count(), 0);
    EXPECT_EQ(page.list.selected, -1);
    EXPECT_TRUE(page.fake.registry.KeyExists(HKCU, settings::kMacroKey));
}

TEST(MacroList, LoadKeepsTheListWhenTheKeyCannotBeOpened) {
    MacroPage page;
    const int kept = page.Add(0x00000070, "vorher");
    page.list.Select(kept);
    // The macro key is missing and cannot be created.
    page.fake.registry.SetString(HKCU, settings::kSettingsKey, "HomeDir", "C:\\Tastor");
    page.fake.registry.FailWritesUnder(HKCU, settings::kTastorKey);
    EXPECT_FALSE(macros::LoadMacroList(page.table, page.list));
    EXPECT_EQ(page.Records(), (std::vector<TMacro>{{0x00000070, "vorher"}}));
    EXPECT_EQ(page.list.selected, kept);
    EXPECT_TRUE(page.fake.boxes.log.empty());
}

TEST(MacroList, LoadTakesTextValuesOnlyAndSkipsOthers) {
    struct Case {
        platform::RegType type;
        std::vector<std::uint8_t> data;
        bool loaded;
        std::string text;
    } cases[] = {
        {platform::RegType::Sz, {'a', '$', '$', 0}, true, "a$$"},
        {platform::RegType::ExpandSz, {'%', 'P', '%', 0}, true, "%P%"},
        {platform::RegType::DWord, {1, 0, 0, 0}, false, ""},
        {platform::RegType::Binary, {'a', 'b'}, false, ""},
        {platform::RegType::MultiSz, {'a', 0, 'b', 0, 0}, false, ""},
        {platform::RegType::None, {}, false, ""},
    };
    for (const auto& c : cases) {
        MacroPage page;
        page.fake.registry.SetString(HKCU, settings::kMacroKey, "00000070", "F1");
        page.fake.registry.SetValue(HKCU, settings::kMacroKey, "00080047", c.type, c.data);
        page.fake.registry.SetString(HKCU, settings::kMacroKey, "00800079", "F10");
        EXPECT_TRUE(macros::LoadMacroList(page.table, page.list));
        std::vector<TMacro> expected{{0x00000070, "F1"}};
        if (c.loaded) {
            expected.push_back({0x00080047, c.text});
        }
        expected.push_back({0x00800079, "F10"});
        EXPECT_EQ(page.Records(), expected) << static_cast<int>(c.type);
        EXPECT_TRUE(page.fake.boxes.log.empty());
    }
}

namespace {

// A registry whose keys fail while their values are read.
class ChangingRegistry : public platform::Registry {
public:
    ChangingRegistry(platform::Registry& inner, std::string name)
        : inner_(inner), name_(std::move(name)) {}

    std::unique_ptr<platform::RegKey> Open(platform::Hive hive, const std::string& path,
                                           bool create, platform::RegStatus* status) override {
        auto key = inner_.Open(hive, path, create, status);
        return key == nullptr ? nullptr : std::make_unique<Key>(std::move(key), name_);
    }
    std::unique_ptr<platform::RegKey> OpenReadOnly(platform::Hive hive, const std::string& path,
                                                   bool createMissing,
                                                   platform::RegStatus* status) override {
        auto key = inner_.OpenReadOnly(hive, path, createMissing, status);
        return key == nullptr ? nullptr : std::make_unique<Key>(std::move(key), name_);
    }
    platform::RegStatus DeleteKey(platform::Hive hive, const std::string& path) override {
        return inner_.DeleteKey(hive, path);
    }
    std::string ErrorText(platform::RegStatus status) override { return inner_.ErrorText(status); }
    bool KeepsValuesInNameOrder() const override { return inner_.KeepsValuesInNameOrder(); }

private:
    class Key : public platform::RegKey {
    public:
        Key(std::unique_ptr<platform::RegKey> inner, std::string name)
            : inner_(std::move(inner)), name_(std::move(name)) {}
        std::optional<platform::RegValueInfo> QueryValue(const std::string& name) override {
            return inner_->QueryValue(name);
        }
        std::optional<platform::RegValue> ReadValue(const std::string& name) override {
            auto value = inner_->ReadValue(name);
            if (value && name == name_) {
                value->type = static_cast<std::uint32_t>(platform::RegType::DWord);
            }
            return value;
        }
        platform::RegStatus WriteValue(const std::string& name, std::uint32_t type,
                                       const std::vector<std::uint8_t>& data) override {
            return inner_->WriteValue(name, type, data);
        }
        platform::RegStatus
        WriteValues(const std::vector<std::pair<std::string, platform::RegValue>>& values,
                    std::size_t* failed) override {
            return inner_->WriteValues(values, failed);
        }
        platform::RegStatus DeleteValue(const std::string& name) override {
            return inner_->DeleteValue(name);
        }
        std::vector<std::string> ValueNames() override { return inner_->ValueNames(); }
        std::vector<std::pair<std::string, platform::RegValue>>
        Values(platform::RegStatus* status) override {
            auto values = inner_->Values(status);
            for (const auto& [name, value] : values) {
                if (name == name_) {
                    throw settings::StoreError("Fehler beim Lesen von '" + name + "'");
                }
            }
            return values;
        }
        std::vector<std::string> SubKeyNames() override { return inner_->SubKeyNames(); }

    private:
        std::unique_ptr<platform::RegKey> inner_;
        std::string name_;
    };

    platform::Registry& inner_;
    std::string name_;
};

} // namespace

TEST(MacroList, ALoadThatFailsToReadAValueKeepsTheListAndReportsTheError) {
    MacroPage page;
    const int a = page.Add(0x00000070, "F1 vorher");
    page.Add(0x00080047, "g vorher");
    page.list.Select(a);
    page.fake.registry.SetString(HKCU, settings::kMacroKey, "00000041", "A");
    page.fake.registry.SetString(HKCU, settings::kMacroKey, "00080048", "H");
    page.fake.registry.SetString(HKCU, settings::kMacroKey, "00800079", "F10");

    ChangingRegistry changing(page.fake.registry, "00080048");
    struct {
        ChangingRegistry& registry;
    } changed{changing};
    std::optional<platform::InstalledServices> installed;
    installed.emplace(platform::ServicesOf(changed, platform::Installed()));
    EXPECT_THROW(macros::LoadMacroList(page.table, page.list), settings::StoreError);
    // Through the window's error display the error reaches the user.
    EXPECT_FALSE(toolkit::Guarded([&] { macros::LoadMacroList(page.table, page.list); }));
    installed.reset();

    EXPECT_EQ(page.Records(),
              (std::vector<TMacro>{{0x00000070, "F1 vorher"}, {0x00080047, "g vorher"}}));
    EXPECT_EQ(page.list.selected, a);
    ASSERT_EQ(page.fake.boxes.shown.size(), 1u);
    EXPECT_EQ(page.fake.boxes.shown[0].kind, platform::BoxKind::Error);
    EXPECT_EQ(page.fake.registry.OpenKeys(), 0);

    // A later save writes the rows the list kept, not a partial load.
    macros::SaveMacroList(page.table);
    EXPECT_EQ(page.fake.registry.ValueNamesOf(HKCU, settings::kMacroKey),
              (std::vector<std::string>{"00000070", "00080047"}));
}

TEST(MacroList, TwoNamesOfOneCodeGiveTwoRowsAndSaveAsOneValue) {
    // Whether the store lists values by creation or by name, the later row's text remains.
    for (const bool nameOrder : {false, true}) {
        MacroPage page;
        page.fake.registry.KeepValuesInNameOrder(nameOrder);
        // Created in this order; loading sorts the names, so "0008005A" comes first.
        page.fake.registry.SetString(HKCU, settings::kMacroKey, "8005A", "kurz");
        page.fake.registry.SetString(HKCU, settings::kMacroKey, "0008005A", "lang");
        page.fake.registry.SetString(HKCU, settings::kMacroKey, "00000030", "null");
        EXPECT_TRUE(macros::LoadMacroList(page.table, page.list));
        EXPECT_EQ(
            page.Records(),
            (std::vector<TMacro>{{0x00000030, "null"}, {0x0008005A, "lang"}, {0x0008005A, "kurz"}}))
            << nameOrder;
        EXPECT_EQ(page.table.Find(KeyCodeOf({0x5A, 0x08})), 2);

        macros::SaveMacroList(page.table);
        // The key is rewritten in place: a value kept keeps its place among the others.
        auto names = page.fake.registry.ValueNamesOf(HKCU, settings::kMacroKey);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"00000030", "0008005A"})) << nameOrder;
        EXPECT_EQ(page.fake.registry.GetString(HKCU, settings::kMacroKey, "0008005A"), "kurz")
            << nameOrder;
    }
}

TEST(MacroList, SaveLeavesTheSameStoreWhicheverOrderTheStoreListsIn) {
    // A store that lists by creation shows the list's order; one that lists by name holds
    // the same values with the same texts.
    const std::vector<std::pair<TKeyCode, std::string>> rows = {
        {0x00800079, "F10"}, {0x00000070, "F1"}, {0x00080047, "g"}, {0x0001002D, "einf"}};
    std::map<std::string, std::string> stored[2];
    for (const bool nameOrder : {false, true}) {
        MacroPage page;
        page.fake.registry.KeepValuesInNameOrder(nameOrder);
        for (const auto& [code, text] : rows) {
            page.Add(code, text);
        }
        macros::SaveMacroList(page.table);
        const auto names = page.fake.registry.ValueNamesOf(HKCU, settings::kMacroKey);
        const std::vector<std::string> byName = {"00000070", "0001002D", "00080047", "00800079"};
        const std::vector<std::string> inListOrder = {"00000070", "00080047", "00800079",
                                                      "0001002D"};
        EXPECT_EQ(names, nameOrder ? byName : inListOrder);
        for (const std::string& name : names) {
            stored[nameOrder][name] =
                *page.fake.registry.GetString(HKCU, settings::kMacroKey, name);
        }
    }
    EXPECT_EQ(stored[0], stored[1]);
    EXPECT_EQ(stored[0].size(), rows.size());
}

TEST(MacroList, SaveWritesOneTextValuePerRowByteForByte) {
    MacroPage page;
    page.fake.registry.SetString(HKCU, settings::kMacroKey, "00000041", "alter Wert");
    page.fake.registry.SetString(HKCU, settings::kMacroKey, "Fremd", "weg");
    const std::string umlauts = "\xE4\xF6\xFC\xC4\xD6\xDC\xDF";
    page.Add(0x00080047, "$$ und $0D");
    page.Add(0x0001002D, "\"zitiert\"");
    page.Add(0x00800079, "C:\\Pfad\\");
    page.Add(0x00C9FFFF, umlauts + "^*49\"dd/mm/yyyy hh:nn:ss\"^*40");
    page.Add(0x00000070, "");
    macros::SaveMacroList(page.table);

    const std::vector<std::string> names = {"00000070", "00080047", "00C9FFFF", "00800079",
                                            "0001002D"};
    ASSERT_EQ(page.Captions(),
              (std::vector<std::string>{" F1", "AltGr+ G", "AltGr+RWin+LWin+Umsch+ ", "RWin+ F10",
                                        "Umsch+ Num 0"}));
    EXPECT_EQ(page.fake.registry.ValueNamesOf(HKCU, settings::kMacroKey), names);
    const std::vector<std::string> texts = {
        "", "$$ und $0D", umlauts + "^*49\"dd/mm/yyyy hh:nn:ss\"^*40", "C:\\Pfad\\", "\"zitiert\""};
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto value = page.fake.registry.GetValue(HKCU, settings::kMacroKey, names[i]);
        ASSERT_TRUE(value) << names[i];
        EXPECT_EQ(value->type, static_cast<std::uint32_t>(platform::RegType::Sz)) << names[i];
        EXPECT_EQ(page.fake.registry.GetString(HKCU, settings::kMacroKey, names[i]), texts[i])
            << names[i];
    }
    EXPECT_EQ(umlauts, std::string({'\xE4', '\xF6', '\xFC', '\xC4', '\xD6', '\xDC', '\xDF'}));
    EXPECT_EQ(page.fake.registry.OpenKeys(), 0);

    // What was saved loads back unchanged.
    const std::vector<TMacro> saved = page.Records();
    EXPECT_TRUE(macros::LoadMacroList(page.table, page.list));
    EXPECT_EQ(page.Records(), saved);
}

TEST(MacroList, SavingAnEmptyListLeavesTheKeyExistingAndEmpty) {
    MacroPage page;
    page.fake.registry.SetString(HKCU, settings::kMacroKey, "00080047", "g");
    page.fake.registry.SetString(HKCU, std::string(settings::kMacroKey) + "\\Unter", "x", "y");
    macros::SaveMacroList(page.table);
    EXPECT_TRUE(page.fake.registry.KeyExists(HKCU, settings::kMacroKey));
    EXPECT_TRUE(page.fake.registry.ValueNamesOf(HKCU, settings::kMacroKey).empty());
    // The program keeps no subkeys there; what another program put there stays.
    EXPECT_TRUE(page.fake.registry.KeyExists(HKCU, std::string(settings::kMacroKey) + "\\Unter"));
}

TEST(MacroList, SaveReportsWhatItCannotWrite) {
    // A failing write of a row, a stored value that cannot be deleted, or a macro key that
    // cannot be created.
    struct Case {
        const char* name;
        bool keyExists;
        int rows;
        bool raises;
    } cases[] = {
        {"existing key, rows", true, 1, true},
        {"missing key, rows", false, 1, true},
        {"missing key, no rows", false, 0, true},
        {"existing key, no rows", true, 0, true},
    };
    for (const auto& c : cases) {
        MacroPage page;
        if (c.keyExists) {
            page.fake.registry.SetString(HKCU, settings::kMacroKey, "00000041", "A");
        }
        if (c.rows > 0) {
            page.Add(0x00080047, "g");
        }
        page.fake.registry.SetString(HKCU, settings::kSettingsKey, "HomeDir", "C:\\Tastor");
        page.fake.registry.FailWritesUnder(HKCU, settings::kTastorKey);
        if (c.raises) {
            EXPECT_THROW(macros::SaveMacroList(page.table), settings::StoreError) << c.name;
        } else {
            EXPECT_NO_THROW(macros::SaveMacroList(page.table)) << c.name;
        }
        EXPECT_FALSE(page.fake.registry.GetString(HKCU, settings::kMacroKey, "00080047")) << c.name;
        EXPECT_EQ(page.fake.registry.OpenKeys(), 0) << c.name;
    }
}

TEST(MacroList, ALargeLoadKeepsTheOrderOfTheKeyTexts) {
    // The in-memory store looks values up one by one, so the count stays moderate here.
    constexpr int kValues = 2000;
    MacroPage page;
    for (int i = kValues - 1; i >= 0; --i) {
        page.fake.registry.SetString(HKCU, settings::kMacroKey,
                                     KeyCodeToValueName(static_cast<TKeyCode>(0x00010000 + i)),
                                     std::to_string(i));
    }
    EXPECT_TRUE(macros::LoadMacroList(page.table, page.list));
    ASSERT_EQ(page.table.Count(), kValues);
    const std::vector<std::string> captions = page.Captions();
    EXPECT_TRUE(std::is_sorted(captions.begin(), captions.end(), [](const auto& a, const auto& b) {
        return macros::TMacroTable::CompareKeyTexts(a, b) < 0;
    }));
    EXPECT_EQ(page.list.selected, 0);
}

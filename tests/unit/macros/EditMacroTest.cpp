#include "macros/EditMacroUnit.h"

#include "platform/fake/FakePlatform.h"
#include "settings/Layout.h"
#include "toolkit/fake/FakeApplicationHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using macros::EditMacro;
using macros::TEditMacroForm;
using macros::TKeyCombination;

namespace {

struct Editor {
    platform::fake::FakePlatform fake;
    toolkit::fake::FakeApplicationHost host;

    // Runs the editor on the arguments with the user's actions in the script.
    bool Run(TKeyCombination& combination, std::string& text,
             const std::function<void(TEditMacroForm&)>& script) {
        host.onModal = [&](toolkit::TForm& form) { script(dynamic_cast<TEditMacroForm&>(form)); };
        return EditMacro(combination, text);
    }
};

// The six check boxes as a modifier byte, read directly from the controls.
std::uint8_t Shown(const TEditMacroForm& e) {
    return static_cast<std::uint8_t>(
        (e.cbShift.Checked() ? 0x01 : 0) | (e.cbCtrl.Checked() ? 0x02 : 0) |
        (e.cbAlt.Checked() ? 0x04 : 0) | (e.cbAltGr.Checked() ? 0x08 : 0) |
        (e.cbLWin.Checked() ? 0x40 : 0) | (e.cbRWin.Checked() ? 0x80 : 0));
}

} // namespace

TEST(EditMacro, FillsTheBoxesWithTheAltGrRuleAndRebuildsTheByteOnOk) {
    struct Case {
        std::uint8_t modifiers;
        std::uint8_t shown; // what the boxes show when the editor opens
    } cases[] = {
        {0x00, 0x00}, {0x01, 0x01}, {0x02, 0x02}, {0x04, 0x04}, {0x06, 0x06}, {0x08, 0x08},
        {0x0A, 0x08}, {0x0C, 0x08}, {0x0F, 0x09}, {0x40, 0x40}, {0x80, 0x80}, {0xC1, 0xC1},
        {0xCF, 0xC9}, {0x10, 0x00}, {0x20, 0x00}, {0x3B, 0x09}, {0xFF, 0xC9},
    };
    for (const auto& c : cases) {
        Editor editor;
        TKeyCombination combination{0x47, c.modifiers};
        std::string text = "t";
        std::uint8_t shown = 0xFF;
        EXPECT_TRUE(editor.Run(combination, text, [&](TEditMacroForm& e) {
            shown = Shown(e);
            e.btnOK.Click();
        }));
        EXPECT_EQ(shown, c.shown) << std::hex << +c.modifiers;
        // OK without changes returns what the boxes showed; bits 4 and 5 never come back.
        EXPECT_EQ(combination, (TKeyCombination{0x47, c.shown})) << std::hex << +c.modifiers;
        EXPECT_EQ(text, "t");
    }
}

TEST(EditMacro, AltGrWithStrgOpensWithoutStrgAndReturns08) {
    Editor editor;
    TKeyCombination combination{0x47, 0x0A};
    std::string text = "x";
    EXPECT_TRUE(editor.Run(combination, text, [](TEditMacroForm& e) {
        EXPECT_TRUE(e.cbAltGr.Checked());
        EXPECT_FALSE(e.cbCtrl.Checked());
        EXPECT_EQ(e.HotKey1.Key(), 0x47);
        EXPECT_EQ(e.textEdit.Text(), "x");
        e.btnOK.Click();
    }));
    EXPECT_EQ(combination.Modifiers, 0x08);
    EXPECT_EQ(combination.VirtualKey, 0x47);
}

TEST(EditMacro, AltGrClicksClearStrgAndAlt) {
    struct Case {
        const char* name;
        std::vector<std::string> clicks;
        std::uint8_t result;
    } cases[] = {
        {"checking AltGr clears both", {"Strg", "Alt", "AltGr"}, 0x08},
        {"unchecking AltGr clears both", {"AltGr", "Strg", "Alt", "AltGr"}, 0x00},
        {"Strg after AltGr keeps both", {"AltGr", "Strg"}, 0x0A},
        {"Alt after AltGr keeps both", {"AltGr", "Alt"}, 0x0C},
        {"other boxes have no rule", {"Umsch", "RWin", "LWin", "AltGr"}, 0xC9},
        {"Strg and Alt together", {"Strg", "Alt"}, 0x06},
        {"AltGr leaves the others", {"Umsch", "LWin", "Strg", "AltGr", "AltGr"}, 0x41},
    };
    for (const auto& c : cases) {
        Editor editor;
        TKeyCombination combination{0x47, 0};
        std::string text;
        EXPECT_TRUE(editor.Run(combination, text, [&](TEditMacroForm& e) {
            for (const std::string& box : c.clicks) {
                toolkit::TCheckBox* target = box == "AltGr"   ? &e.cbAltGr
                                             : box == "Strg"  ? &e.cbCtrl
                                             : box == "Alt"   ? &e.cbAlt
                                             : box == "Umsch" ? &e.cbShift
                                             : box == "RWin"  ? &e.cbRWin
                                                              : &e.cbLWin;
                target->UserClick();
            }
            e.btnOK.Click();
        }));
        EXPECT_EQ(combination.Modifiers, c.result) << c.name;
    }
}

TEST(EditMacro, KeyFieldHoldsKeysUpTo255Only) {
    struct Case {
        std::uint16_t virtualKey;
        std::uint16_t shown;
    } cases[] = {
        {0x0000, 0}, {0x0047, 0x47}, {0x00FF, 0xFF}, {0x0100, 0}, {0x01FF, 0}, {0xFFFF, 0},
    };
    for (const auto& c : cases) {
        Editor editor;
        TKeyCombination combination{c.virtualKey, 0x08};
        std::string text;
        std::uint16_t shown = 0xFFFF;
        EXPECT_TRUE(editor.Run(combination, text, [&](TEditMacroForm& e) {
            shown = e.HotKey1.Key();
            e.btnOK.Click();
        }));
        EXPECT_EQ(shown, c.shown) << std::hex << c.virtualKey;
        EXPECT_EQ(combination.VirtualKey, c.shown) << std::hex << c.virtualKey;
    }
}

TEST(EditMacro, KeyFieldKeepsOnlyTheKeyAndModifiersComeFromTheBoxes) {
    Editor editor;
    TKeyCombination combination{0x0100, 0};
    std::string text;
    EXPECT_TRUE(editor.Run(combination, text, [](TEditMacroForm& e) {
        e.HotKey1.UserPressed(0x74); // F5, pressed with Shift held
        e.btnOK.Click();
    }));
    EXPECT_EQ(combination, (TKeyCombination{0x74, 0x00}));
}

TEST(EditMacro, OkReturnsWhatTheUserSetWithoutChecks) {
    Editor editor;
    TKeyCombination combination{0x47, 0x08};
    std::string text = "alt";
    EXPECT_TRUE(editor.Run(combination, text, [](TEditMacroForm& e) {
        e.cbAltGr.UserClick();
        e.cbRWin.UserClick();
        e.HotKey1.UserPressed(0x79);
        e.textEdit.UserSetText("neu");
        e.btnOK.Click();
    }));
    EXPECT_EQ(combination, (TKeyCombination{0x79, 0x80}));
    EXPECT_EQ(text, "neu");

    // An empty key, no modifiers and an empty text come back as they are.
    combination = {0x47, 0x08};
    text = "alt";
    EXPECT_TRUE(editor.Run(combination, text, [](TEditMacroForm& e) {
        e.cbAltGr.UserClick();
        e.HotKey1.UserPressed(0);
        e.textEdit.UserSetText("");
        e.btnOK.Click();
    }));
    EXPECT_EQ(combination, (TKeyCombination{0, 0}));
    EXPECT_EQ(text, "");
}

TEST(EditMacro, TheLineUnderTheKeyFieldFollowsTheBoxesAndTheKeyAndOkStillReturnsThem) {
    Editor editor;
    TKeyCombination combination{0x70, 0x08};
    std::string text = "t";
    std::vector<TKeyCombination> asked;
    const macros::UsedByAnotherMacro used = [&](const TKeyCombination& c) {
        asked.push_back(c);
        return c == TKeyCombination{'G', 0x08};
    };
    // Each step, then a part of the line it shows ("" for an empty line).
    const std::pair<std::function<void(TEditMacroForm&)>, std::string> steps[] = {
        {[](TEditMacroForm&) {}, "AltGr+F1 schaltet Tastor"},
        {[](TEditMacroForm& e) { e.HotKey1.UserPressed('G'); }, "anderes Makro"},
        {[](TEditMacroForm& e) { e.cbShift.UserClick(); }, ""},
        {[](TEditMacroForm& e) { e.HotKey1.UserPressed(0); }, "Keine Taste"},
        {[](TEditMacroForm& e) { e.cbAltGr.UserClick(); }, "Keine Taste"},
        {[](TEditMacroForm& e) {
             e.cbShift.UserClick();
             e.cbCtrl.UserClick();
             e.cbAlt.UserClick();
             e.HotKey1.UserPressed(0x2E);
         },
         "Strg+Alt+Entf"},
        {[](TEditMacroForm& e) { e.cbLWin.UserClick(); }, ""},
    };
    editor.host.onModal = [&](toolkit::TForm& form) {
        auto& e = dynamic_cast<TEditMacroForm&>(form);
        for (const auto& [step, part] : steps) {
            step(e);
            const std::string& shown = e.HintLbl.Caption();
            EXPECT_EQ(part.empty(), shown.empty()) << part << " / " << shown;
            EXPECT_NE(shown.find(part), std::string::npos) << part << " / " << shown;
        }
        e.btnOK.Click();
    };
    EXPECT_TRUE(macros::EditMacro(combination, text, used));
    // The combination the line was about, as the boxes and the key field hold it.
    EXPECT_EQ(asked.back(), (TKeyCombination{0x2E, 0x46}));
    EXPECT_EQ(combination, (TKeyCombination{0x2E, 0x46}));
}

TEST(EditMacro, CancelOrClosingLeavesTheArgumentsUnchanged) {
    const std::function<void(TEditMacroForm&)> endings[] = {
        [](TEditMacroForm& e) { e.btnCancel.Click(); },
        [](TEditMacroForm& e) { e.Close(); },
        [](TEditMacroForm&) {},
    };
    for (const auto& ending : endings) {
        Editor editor;
        TKeyCombination combination{0x0147, 0x1A};
        std::string text = "bleibt";
        EXPECT_FALSE(editor.Run(combination, text, [&](TEditMacroForm& e) {
            e.cbShift.UserClick();
            e.cbAltGr.UserClick();
            e.HotKey1.UserPressed(0x41);
            e.textEdit.UserSetText("anders");
            ending(e);
        }));
        EXPECT_EQ(combination, (TKeyCombination{0x0147, 0x1A}));
        EXPECT_EQ(text, "bleibt");
    }
}

TEST(EditMacro, EachCallShowsAFreshEditor) {
    Editor editor;
    const TEditMacroForm* first = nullptr;
    TKeyCombination combination{0x47, 0x08};
    std::string text = "a";
    editor.Run(combination, text, [&](TEditMacroForm& e) {
        first = &e;
        e.SpecialCB.UserSelect(9);
        e.btnOK.Click();
    });
    combination = {};
    text.clear();
    editor.Run(combination, text, [&](TEditMacroForm& e) {
        EXPECT_EQ(Shown(e), 0);
        EXPECT_EQ(e.HotKey1.Key(), 0);
        EXPECT_EQ(e.textEdit.Text(), "");
        EXPECT_EQ(e.SpecialCB.ItemIndex(), -1);
        EXPECT_EQ(e.SpecialCB.Items.size(), 16u);
        e.btnOK.Click();
    });
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(editor.host.modalFormsShown, 2);
}

TEST(EditMacro, SpecialListHoldsTheSixteenCaptionsInOrderWithNothingChosen) {
    Editor editor;
    TKeyCombination combination;
    std::string text;
    editor.Run(combination, text, [](TEditMacroForm& e) {
        EXPECT_EQ(
            e.SpecialCB.Items,
            (std::vector<std::string>{
                "Programm starten", "Umlautwandlung ASCII", "Umlautwandlung HTML",
                "EasyTab Funktion", "Datum/Uhrzeit einf\xFCgen", "Windows beenden",
                "Zeilenvorschub (ENTER)", "ESC", "TAB", "Dollar-Zeichen $", "Cursor LINKS",
                "Cursor RECHTS", "Cursor OBEN", "Cursor UNTEN", "Cursor ENDE", "Cursor POS1"}));
        EXPECT_EQ(e.SpecialCB.ItemIndex(), -1);
    });
}

TEST(EditMacro, TextsAndHints) {
    TEditMacroForm e;
    EXPECT_EQ(e.Caption(), "Makro bearbeiten");
    EXPECT_EQ(e.gbToggles.Caption(), "&Modifizierungstasten");
    EXPECT_EQ(e.cbAltGr.Caption(), "AltGr");
    EXPECT_EQ(e.cbRWin.Caption(), "RWin");
    EXPECT_EQ(e.cbCtrl.Caption(), "Strg");
    EXPECT_EQ(e.cbAlt.Caption(), "Alt");
    EXPECT_EQ(e.cbShift.Caption(), "Umsch");
    EXPECT_EQ(e.cbLWin.Caption(), "LWin");
    EXPECT_EQ(e.AddSpecialBtn.Caption(), "&Hinzuf\xFCgen");
    EXPECT_EQ(e.SpecialCB.Hint(),
              "w\xE4hlen Sie eine Sonderfunktion aus, und klicken Sie auf \"Hinzuf\xFCgen\"");
    EXPECT_TRUE(e.SpecialCB.ShowHint());
    // Enter and Escape reach OK and Cancel through the dialog manager's ids.
    EXPECT_EQ(e.btnOK.Id(), 1);
    EXPECT_EQ(e.btnCancel.Id(), 2);
}

TEST(EditMacro, AddSpecialAppendsTheChosenFunctionAtTheEnd) {
    struct Case {
        const char* name;
        std::vector<int> chosen; // index chosen before each press of "Hinzufügen"
        std::string text;
    } cases[] = {
        {"nothing chosen", {-1}, "abc"},
        {"dollar once", {9}, "abc$$"},
        {"dollar twice", {9, 9}, "abc$$$$"},
        {"date and time", {4}, "abc^*49\"dd/mm/yyyy hh:nn:ss\"^*40"},
        {"enter then cursor left", {6, 10}, "abc$0D$FF$00$25"},
        {"ASCII conversion", {1}, "abc^*2"},
        {"Windows beenden", {5}, "abc^*9"},
        {"cursor POS1", {15}, "abc$FF$00$24"},
    };
    for (const auto& c : cases) {
        Editor editor;
        TKeyCombination combination{0x47, 0x08};
        std::string text = "abc";
        EXPECT_TRUE(editor.Run(combination, text, [&](TEditMacroForm& e) {
            for (int index : c.chosen) {
                e.SpecialCB.UserSelect(index);
                e.AddSpecialBtn.Click();
            }
            e.btnOK.Click();
        }));
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_TRUE(editor.fake.fileDialogs.openRequests.empty()) << c.name;
    }
}

TEST(EditMacro, ProgramStartReplacesTheTextByTheChosenFile) {
    Editor editor;
    editor.fake.registry.SetString(platform::Hive::LocalMachine, settings::kWindowsVersionKey,
                                   "ProgramFilesDir", "C:\\Programme");
    editor.fake.fileDialogs.openAnswers = {"C:\\Programme\\Editor\\edit.exe", std::nullopt};
    TKeyCombination combination{0x47, 0x08};
    std::string text = "abc$$";
    EXPECT_TRUE(editor.Run(combination, text, [](TEditMacroForm& e) {
        e.SpecialCB.UserSelect(0);
        e.AddSpecialBtn.Click();
        EXPECT_EQ(e.textEdit.Text(), "^C:\\Programme\\Editor\\edit.exe");
        // Cancelled: the text stays.
        e.AddSpecialBtn.Click();
        EXPECT_EQ(e.textEdit.Text(), "^C:\\Programme\\Editor\\edit.exe");
        // Other functions are added after the program.
        e.SpecialCB.UserSelect(7);
        e.AddSpecialBtn.Click();
        e.btnOK.Click();
    }));
    EXPECT_EQ(text, "^C:\\Programme\\Editor\\edit.exe$1B");
    ASSERT_EQ(editor.fake.fileDialogs.openRequests.size(), 2u);
    for (const auto& request : editor.fake.fileDialogs.openRequests) {
        EXPECT_EQ(request.filter, "Ausf\xFChrbare Dateien|*.exe;*.lnk|alle Dateien|*.*");
        EXPECT_EQ(request.defaultExtension, "exe");
        EXPECT_EQ(request.initialFolder, u"C:\\Programme");
    }
}

TEST(EditMacro, ProgramStartCancelledLeavesTheText) {
    Editor editor;
    TKeyCombination combination{0x47, 0x08};
    std::string text = "abc";
    EXPECT_TRUE(editor.Run(combination, text, [](TEditMacroForm& e) {
        e.SpecialCB.UserSelect(0);
        e.AddSpecialBtn.Click();
        e.btnOK.Click();
    }));
    EXPECT_EQ(text, "abc");
    ASSERT_EQ(editor.fake.fileDialogs.openRequests.size(), 1u);
    // No key, no initial folder; and the key was not created by looking.
    EXPECT_EQ(editor.fake.fileDialogs.openRequests[0].initialFolder, u"");
    EXPECT_FALSE(
        editor.fake.registry.KeyExists(platform::Hive::LocalMachine, settings::kWindowsVersionKey));
}

TEST(EditMacro, ReadWindowsSetting) {
    platform::fake::FakePlatform fake;
    const auto hklm = platform::Hive::LocalMachine;
    EXPECT_EQ(macros::ReadWindowsSetting("ProgramFilesDir"), "");
    EXPECT_FALSE(fake.registry.KeyExists(hklm, settings::kWindowsVersionKey));

    // The same path under the current user does not count.
    fake.registry.SetString(platform::Hive::CurrentUser, settings::kWindowsVersionKey,
                            "ProgramFilesDir", "C:\\Falsch");
    EXPECT_EQ(macros::ReadWindowsSetting("ProgramFilesDir"), "");

    fake.registry.SetString(hklm, settings::kWindowsVersionKey, "CommonFilesDir", "C:\\CF");
    EXPECT_EQ(macros::ReadWindowsSetting("ProgramFilesDir"), "");
    fake.registry.SetString(hklm, settings::kWindowsVersionKey, "ProgramFilesDir",
                            "C:\\Programme \xC4");
    EXPECT_EQ(macros::ReadWindowsSetting("ProgramFilesDir"), "C:\\Programme \xC4");
    fake.registry.SetValue(hklm, settings::kWindowsVersionKey, "ProgramFilesDir",
                           platform::RegType::ExpandSz,
                           std::vector<std::uint8_t>{'C', ':', '\\', 'P', 0});
    EXPECT_EQ(macros::ReadWindowsSetting("ProgramFilesDir"), "C:\\P");
    // A value that is not text gives no folder rather than an error.
    fake.registry.SetValue(hklm, settings::kWindowsVersionKey, "ProgramFilesDir",
                           platform::RegType::DWord, std::vector<std::uint8_t>{1, 0, 0, 0});
    EXPECT_EQ(macros::ReadWindowsSetting("ProgramFilesDir"), "");
    EXPECT_TRUE(fake.boxes.log.empty());
    EXPECT_EQ(fake.registry.OpenKeys(), 0);
}

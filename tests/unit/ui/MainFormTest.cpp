#include "ui/MainForm.h"
#include "driver/DriverControl.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Layout.h"
#include "settings/Names.h"
#include "settings/SettingsStore.h"
#include "sound/EditSpeaker.h"
#include "sound/SpeakerRec.h"
#include "toolkit/fake/FakeApplicationHost.h"

#include <gtest/gtest.h>

using platform::Hive;

namespace {

class MainForm : public testing::Test {
protected:
    platform::WindowId StartDriver() { return fake.windows.Add("Tastor32", "Tastor32"); }
    void Put(const char* key, const char* name, std::vector<std::uint8_t> bytes) {
        fake.registry.SetBinary(Hive::CurrentUser, key, name, bytes);
    }
    void PutText(const char* key, const char* name, const std::string& text) {
        fake.registry.SetString(Hive::CurrentUser, key, name, text);
    }
    std::optional<platform::RegValue> Get(const char* key, const char* name) {
        return fake.registry.GetValue(Hive::CurrentUser, key, name);
    }
    std::optional<std::string> GetText(const char* key, const char* name) {
        return fake.registry.GetString(Hive::CurrentUser, key, name);
    }
    std::vector<std::uint32_t> Messages(bool sent) {
        std::vector<std::uint32_t> numbers;
        for (const auto& m : fake.windows.messages) {
            if (m.sent == sent) {
                numbers.push_back(m.message);
            }
        }
        return numbers;
    }

    platform::fake::FakePlatform fake;
    toolkit::fake::FakeApplicationHost host;
    settings::TSettingsStore store;
};

} // namespace

TEST_F(MainForm, CreationTellsTheDriverFirstAndCancelSendsNothingMore) {
    StartDriver();
    fake.registry.SetString(Hive::CurrentUser, settings::kMacroKey, "00080047", "x");
    ui::TMainForm form{{}, store};
    std::vector<std::string> seenAtLoad;
    host.onMainForm = [&](toolkit::TForm&) {
        // The two messages went out before the store was read.
        EXPECT_EQ(form.MacroListView.Count(), 1);
        form.CancelBtn.Click();
    };
    toolkit::RunMainForm(form);
    ASSERT_EQ(fake.windows.messages.size(), 2u);
    EXPECT_EQ(fake.windows.messages[0].message, 1132u);
    EXPECT_FALSE(fake.windows.messages[0].sent);
    EXPECT_EQ(fake.windows.messages[1].message, 1131u);
    EXPECT_TRUE(fake.windows.messages[1].sent);
    for (const auto& m : fake.windows.messages) {
        EXPECT_EQ(m.wParam, 0u);
        EXPECT_EQ(m.lParam, 0);
    }
    EXPECT_TRUE(form.Closed());
    EXPECT_EQ(form.PageControl1.ActivePage(), &form.TabMacros);
    EXPECT_TRUE(form.MacroListView.Focused());
}

TEST_F(MainForm, AcceptSavesAndPostsTheReloadEveryTimeOkAlsoCloses) {
    StartDriver();
    ui::TMainForm form{{}, store};
    host.onMainForm = [&](toolkit::TForm&) {
        form.AcceptBtn.Click();
        form.AcceptBtn.Click();
        EXPECT_FALSE(form.Closed());
        form.OkBtn.Click();
    };
    toolkit::RunMainForm(form);
    EXPECT_EQ(Messages(false), (std::vector<std::uint32_t>{1132, 1125, 1125, 1125}));
    EXPECT_TRUE(form.Closed());
}

TEST_F(MainForm, OptionsLoadAsCheckedForAnyNonZeroByteAndSaveAsZeroOrOne) {
    struct Case {
        const char* name;
        std::optional<std::uint8_t> stored;
        std::uint8_t saved;
    } cases[] = {
        {"EasyBackslash", 1, 1},
        {"EasyTab", 2, 1},
        {"NUM Punkt", 0, 0},
        {"Piepsen bei Umschaltungen", std::nullopt, 0},
        {"Tastor-Symbol verstecken", 0xFF, 1},
        {"NUM Umschaltung sperren", 1, 1},
        {"Tastor eingeschaltet", 1, 1},
    };
    for (const auto& c : cases) {
        if (c.stored) {
            Put(settings::kSettingsKey, c.name, {*c.stored});
        }
    }
    ui::TMainForm form{{}, store};
    form.LoadSettings();
    EXPECT_TRUE(form.OptionsPage.EasyBSCB.Checked());
    EXPECT_TRUE(form.OptionsPage.EasyTabCB.Checked());
    EXPECT_FALSE(form.OptionsPage.npDotCB.Checked());
    EXPECT_FALSE(form.OptionsPage.doBeepCB.Checked());
    EXPECT_TRUE(form.OptionsPage.HideCB.Checked());
    form.SaveSettings();
    for (const auto& c : cases) {
        auto value = Get(settings::kSettingsKey, c.name);
        ASSERT_TRUE(value.has_value()) << c.name;
        EXPECT_EQ(value->type, 3u) << c.name;
        EXPECT_EQ(value->data, std::vector<std::uint8_t>{c.saved}) << c.name;
    }
}

TEST_F(MainForm, LoadAndSaveLeaveEverythingElseAsItWas) {
    Put(settings::kSettingsKey, "UmlautMode", {7});
    Put(settings::kSettingsKey, "Umlautwandlung", {1});
    PutText(settings::kSettingsKey, "HomeDir", "C:\\Tastor");
    PutText(settings::kUmlautAsciiKey, "000000DC", "Ue");
    PutText(settings::kUmlautHtmlKey, "000000DC", "&Uuml;");
    PutText("AppEvents\\Schemes\\Apps\\Tastor32\\Ein\\.current", "", "C:\\Media\\ding.wav");
    ui::TMainForm form{{}, store};
    form.LoadSettings();
    form.SaveSettings();
    form.SaveSettings();
    EXPECT_EQ(Get(settings::kSettingsKey, "UmlautMode")->data, std::vector<std::uint8_t>{7});
    EXPECT_EQ(Get(settings::kSettingsKey, "Umlautwandlung")->data, std::vector<std::uint8_t>{1});
    EXPECT_EQ(GetText(settings::kSettingsKey, "HomeDir"), "C:\\Tastor");
    EXPECT_EQ(GetText(settings::kUmlautAsciiKey, "000000DC"), "Ue");
    EXPECT_EQ(GetText(settings::kUmlautHtmlKey, "000000DC"), "&Uuml;");
    EXPECT_EQ(GetText("AppEvents\\Schemes\\Apps\\Tastor32\\Ein\\.current", ""),
              "C:\\Media\\ding.wav");
    // A scheme key with one event keeps just that one.
    EXPECT_EQ(fake.registry.ValueNamesOf(Hive::CurrentUser, settings::kSchemeKey).size(), 0u);
    EXPECT_FALSE(
        fake.registry.KeyExists(Hive::CurrentUser, "AppEvents\\Schemes\\Apps\\Tastor32\\Aus"));
}

TEST_F(MainForm, LoadingMakesTheEightEmptyEventKeysWhenTheSchemeHasNone) {
    ui::TMainForm form{{}, store};
    form.LoadSettings();
    for (const char* event :
         {"Ein", "Aus", "Großschrift", "Rollen", "Zehnerblock", "NUM Punkt", "Umlaut", "EasyTab"}) {
        EXPECT_TRUE(
            fake.registry.KeyExists(Hive::CurrentUser, std::string(settings::kSchemeKey) + event))
            << event;
    }
}

TEST_F(MainForm, TheSpeakerModeIsStoredAsZeroOnNtAndLoadedElsewhere) {
    struct Case {
        bool winNT;
        std::uint8_t stored;
        bool speakerChecked, speakerEnabled;
        std::uint8_t saved;
    } cases[] = {
        {true, 1, false, false, 0},
        {false, 1, true, true, 1},
        {false, 0, false, true, 0},
    };
    for (const auto& c : cases) {
        Put(settings::kSettingsKey, "Speaker benutzen", {c.stored});
        ui::TMainForm form({settings::rmNormal, false, c.winNT}, store);
        host.onMainForm = [&](toolkit::TForm&) {
            EXPECT_EQ(form.SoundsPage.UseSpeakerRB.Checked(), c.speakerChecked);
            EXPECT_EQ(form.SoundsPage.UseWavRB.Checked(), !c.speakerChecked);
            EXPECT_EQ(form.SoundsPage.UseSpeakerRB.Enabled(), c.speakerEnabled);
            EXPECT_EQ(form.SoundsPage.SpeakerCB.Enabled(), c.speakerChecked);
            EXPECT_EQ(form.SoundsPage.EditSoundBtn.Enabled(), !c.speakerChecked);
            EXPECT_EQ(form.SoundsPage.SpeakerCB.Items.size(), 8u);
            EXPECT_EQ(form.SoundsPage.SpeakerCB.ItemIndex(), 0);
            form.OkBtn.Click();
        };
        toolkit::RunMainForm(form);
        EXPECT_EQ(Get(settings::kSettingsKey, "Speaker benutzen")->data,
                  std::vector<std::uint8_t>{c.saved});
    }
}

TEST_F(MainForm, AReloadAfterAnImportKeepsTheSpeakerOffOnNt) {
    ui::TMainForm form({settings::rmNormal, false, true}, store);
    fake.fileDialogs.openAnswers = {"C:\\x.reg"};
    fake.shell.whileRunning = [&](const auto&) {
        Put(settings::kSettingsKey, "Speaker benutzen", {1});
    };
    host.onMainForm = [&](toolkit::TForm&) {
        form.ImportBtn.Click();
        EXPECT_FALSE(form.SoundsPage.UseSpeakerRB.Checked());
        EXPECT_FALSE(form.SoundsPage.UseSpeakerRB.Enabled());
        EXPECT_TRUE(form.SoundsPage.EditSoundBtn.Enabled());
        form.OkBtn.Click();
    };
    toolkit::RunMainForm(form);
    EXPECT_EQ(Get(settings::kSettingsKey, "Speaker benutzen")->data, std::vector<std::uint8_t>{0});
}

TEST_F(MainForm, SpeakerRecordsLoadAsZeroWithoutAKeyAndSaveInTheirTextForm) {
    ui::TMainForm form{{}, store};
    form.LoadSettings();
    EXPECT_TRUE(fake.registry.KeyExists(Hive::CurrentUser, settings::kSpeakerKey));
    form.SaveSettings();
    EXPECT_EQ(GetText(settings::kSpeakerKey, "Großschrift"), "0,0,0,0");
    PutText(settings::kSpeakerKey, "Ein", "4000,10,1,50");
    PutText(settings::kSpeakerKey, "EasyTab", "4000,10");
    form.LoadSettings();
    form.SoundsPage.SpeakerTable[2] = {-1, 2, 30, 400};
    form.SaveSettings();
    EXPECT_EQ(GetText(settings::kSpeakerKey, "Ein"), "4000,10,1,50");
    EXPECT_EQ(GetText(settings::kSpeakerKey, "Aus"), "-1,2,30,400");
    EXPECT_EQ(GetText(settings::kSpeakerKey, "EasyTab"), "4000,10,0,0");
    EXPECT_EQ(fake.registry.ValueNamesOf(Hive::CurrentUser, settings::kSpeakerKey),
              (std::vector<std::string>{"Ein", "Aus", "Großschrift", "Rollen", "Zehnerblock",
                                        "NUM Punkt", "Umlaut", "EasyTab"}));
}

TEST_F(MainForm, TheDecimalDotIsStoredExactlyAsTypedEvenEmpty) {
    ui::TMainForm form{{}, store};
    EXPECT_EQ(form.OptionsPage.EdtDecimalDot.Text(), ".");
    for (const std::string text : {"", ",", "ab€"}) {
        form.OptionsPage.EdtDecimalDot.UserSetText(text);
        form.SaveSettings();
        EXPECT_EQ(GetText(settings::kSettingsKey, "DecimalDot"), text);
    }
}

TEST_F(MainForm, AutostartIsWrittenOnlyWhenTheBoxDiffersFromTheStore) {
    fake.system.programPath = "C:\\Programme\\Tastor32\\TSetup.exe";
    PutText(settings::kSettingsKey, "HomeDir", "D:\\Anderswo");
    ui::TMainForm form{{}, store};
    form.LoadSettings();
    EXPECT_FALSE(form.OptionsPage.CBAutostart.Checked());
    form.OptionsPage.CBAutostart.UserClick();
    form.SaveSettings();
    EXPECT_EQ(GetText(settings::kRunKey, "Tastor32"), "C:\\Programme\\Tastor32\\Tastor32.exe");
    // An entry that already exists keeps its command.
    PutText(settings::kRunKey, "Tastor32", "\"E:\\Tastor32.exe\" /x");
    form.SaveSettings();
    EXPECT_EQ(GetText(settings::kRunKey, "Tastor32"), "\"E:\\Tastor32.exe\" /x");
    form.OptionsPage.CBAutostart.UserClick();
    form.SaveSettings();
    EXPECT_FALSE(GetText(settings::kRunKey, "Tastor32").has_value());
}

TEST_F(MainForm, AFailedWriteStopsTheSaveKeepsTheWindowOpenAndPostsNothing) {
    StartDriver();
    PutText(settings::kMacroKey, "00080047", "Gruß");
    fake.registry.FailWritesUnder(Hive::CurrentUser, settings::kSpeakerKey);
    ui::TMainForm form{{}, store};
    host.onMainForm = [&](toolkit::TForm&) {
        form.OptionsPage.EasyTabCB.UserClick();
        form.OkBtn.Click();
    };
    toolkit::RunMainForm(form);
    EXPECT_FALSE(form.Closed());
    ASSERT_FALSE(fake.boxes.shown.empty());
    EXPECT_EQ(fake.boxes.shown.back().text.rfind("Fehler beim Setzen der Daten für 'Ein'", 0), 0u);
    // Written before the failure: the options and the macros.
    EXPECT_EQ(Get(settings::kSettingsKey, "EasyTab")->data, std::vector<std::uint8_t>{1});
    EXPECT_EQ(GetText(settings::kMacroKey, "00080047"), "Gruß");
    EXPECT_EQ(Messages(false), std::vector<std::uint32_t>{1132});
}

TEST_F(MainForm, AnUnreadableOptionIsReportedAndTheRestStillLoads) {
    PutText(settings::kSettingsKey, "EasyTab", "kaputt");
    Put(settings::kSettingsKey, "Tastor eingeschaltet", {1});
    PutText(settings::kSettingsKey, "DecimalDot", ",");
    PutText(settings::kMacroKey, "00080047", "x");
    ui::TMainForm form{{}, store};
    form.LoadSettings();
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0].text, "Ungültiger Datentyp für 'EasyTab'");
    EXPECT_TRUE(form.OptionsPage.mainFunctionCB.Checked());
    EXPECT_EQ(form.OptionsPage.EdtDecimalDot.Text(), ",");
    EXPECT_EQ(form.MacroListView.Count(), 1);
}

TEST_F(MainForm, WithoutADriverTheSettingsAreStillWritten) {
    ui::TMainForm form{{}, store};
    host.onMainForm = [&](toolkit::TForm&) {
        form.OptionsPage.doBeepCB.UserClick();
        form.AcceptBtn.Click();
        form.CancelBtn.Click();
    };
    toolkit::RunMainForm(form);
    EXPECT_TRUE(fake.windows.messages.empty());
    EXPECT_EQ(Get(settings::kSettingsKey, "Piepsen bei Umschaltungen")->data,
              std::vector<std::uint8_t>{1});
}

TEST_F(MainForm, TheStartStopButtonFollowsTheDriver) {
    fake.processes.existing = {"C:\\Programme\\Tastor32\\Tastor32.exe"};
    fake.processes.onStart = [&](const auto&) { StartDriver(); };
    ui::TMainForm form{{}, store};
    form.FormPaint();
    EXPECT_EQ(form.OptionsPage.ControlTastorBtn.Caption(), "&Tastor starten");
    EXPECT_FALSE(form.OptionsPage.ControlTastorBtn.Down());
    form.OptionsPage.ControlTastorBtn.UserClick();
    EXPECT_EQ(form.OptionsPage.ControlTastorBtn.Caption(), "&Tastor schließen");
    EXPECT_TRUE(form.OptionsPage.ControlTastorBtn.Down());
    EXPECT_EQ(fake.clock.log, std::vector<std::string>{"sleepex:1000"});
    // Stopping posts WM_QUIT; the driver closes its window during the wait.
    fake.clock.onSleep = [&] { fake.windows.zOrder.clear(); };
    form.OptionsPage.ControlTastorBtn.UserClick();
    EXPECT_EQ(fake.windows.messages.back().message, 18u);
    EXPECT_EQ(form.OptionsPage.ControlTastorBtn.Caption(), "&Tastor starten");
    EXPECT_FALSE(form.OptionsPage.ControlTastorBtn.Down());
    // A missing program file changes nothing visible and shows no message.
    fake.processes.existing.clear();
    form.OptionsPage.ControlTastorBtn.UserClick();
    EXPECT_EQ(form.OptionsPage.ControlTastorBtn.Caption(), "&Tastor starten");
    EXPECT_TRUE(fake.boxes.shown.empty());
}

TEST_F(MainForm, TheSpeakerEditorChangesOnlyTheSelectedEventAndOnlyASaveStoresIt) {
    const char* loaded[] = {"4000,10,1,50", "1,2,3,4",  "5,6,7,8",    "9,10,11,12",
                            "13,14,15,16",  "-1,0,0,0", "100,5,5,99", "8000,200,5,50"};
    struct Case {
        int selected;
        bool editorOk, windowOk;
        const char* stored; // for the selected event
    } cases[] = {
        {2, true, true, "2000,10,1,50"},
        {7, true, true, "2000,10,1,50"},
        {0, false, true, "4000,10,1,50"},
        {4, true, false, "13,14,15,16"},
    };
    Put(settings::kSettingsKey, "Speaker benutzen", {1});
    for (const auto& c : cases) {
        for (int event = 1; event <= 8; ++event) {
            PutText(settings::kSpeakerKey, settings::SoundEventNames[event].c_str(),
                    loaded[event - 1]);
        }
        ui::TMainForm form({settings::rmNormal, false, false}, store);
        int editorsShown = 0;
        host.onModal = [&](toolkit::TForm& shown) {
            auto& editor = static_cast<sound::TEditSpeakerFrm&>(shown);
            ++editorsShown;
            EXPECT_EQ(FormatSpeakerRec(editor.Rec), loaded[c.selected]);
            editor.ScrollBar1.SetPosition(2000);
            editor.DurationEdit.SetValue(10);
            editor.CountEdit.SetValue(1);
            (c.editorOk ? editor.OkBtn : editor.CancelBtn).Click();
        };
        host.onMainForm = [&](toolkit::TForm&) {
            form.SoundsPage.SpeakerCB.UserSelect(c.selected);
            form.SoundsPage.SpeakerSetupBtn.Click();
            (c.windowOk ? form.OkBtn : form.CancelBtn).Click();
        };
        toolkit::RunMainForm(form);
        EXPECT_EQ(editorsShown, 1);
        for (int event = 1; event <= 8; ++event) {
            const char* expected = event == c.selected + 1 ? c.stored : loaded[event - 1];
            EXPECT_EQ(GetText(settings::kSpeakerKey, settings::SoundEventNames[event].c_str()),
                      expected)
                << c.selected << " " << event;
        }
    }
}

TEST_F(MainForm, TheSoundPanelsFollowTheRadioButtons) {
    ui::TMainForm form({settings::rmNormal, false, false}, store);
    host.onMainForm = [&](toolkit::TForm&) {
        for (bool speaker : {true, false, true}) {
            (speaker ? form.SoundsPage.UseSpeakerRB : form.SoundsPage.UseWavRB).UserClick();
            for (toolkit::TControl* c : std::initializer_list<toolkit::TControl*>{
                     &form.SoundsPage.WavText1, &form.SoundsPage.WavText2,
                     &form.SoundsPage.EditSoundBtn}) {
                EXPECT_EQ(c->Enabled(), !speaker) << c->Caption();
            }
            for (toolkit::TControl* c : std::initializer_list<toolkit::TControl*>{
                     &form.SoundsPage.SpeakerLabel, &form.SoundsPage.SpeakerCB,
                     &form.SoundsPage.SpeakerSetupBtn}) {
                EXPECT_EQ(c->Enabled(), speaker) << c->Caption();
            }
            EXPECT_TRUE(form.SoundsPage.WavPanel.Enabled());
            EXPECT_TRUE(form.SoundsPage.SpeakerPanel.Enabled());
        }
    };
    toolkit::RunMainForm(form);
}

TEST_F(MainForm, TheSoundControlPanelStartsOrItsFailureNamesTheSystemsErrorCode) {
    struct Case {
        std::uint32_t result, lastError;
        const char* message;
    } cases[] = {
        {33, 0, nullptr},
        {2, 2, "Fehler beim Starten von: Systemsteuerung (2)"},
        {0, 8, "Fehler beim Starten von: Systemsteuerung (8)"},
    };
    for (const auto& c : cases) {
        fake.boxes.shown.clear();
        fake.processes.executed.clear();
        fake.processes.execResult = {c.result, c.lastError};
        ui::TMainForm form{{}, store};
        form.SoundsPage.EditSoundBtn.Click();
        EXPECT_EQ(fake.processes.executed, std::vector<std::string>{"control.exe MMSYS.CPL,@1"});
        if (c.message == nullptr) {
            EXPECT_TRUE(fake.boxes.shown.empty());
        } else {
            ASSERT_EQ(fake.boxes.shown.size(), 1u);
            EXPECT_EQ(fake.boxes.shown[0].kind, platform::BoxKind::Error);
            EXPECT_EQ(fake.boxes.shown[0].text, c.message);
        }
    }
}

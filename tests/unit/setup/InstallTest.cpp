#include "setup/Install.h"

#include "SetupFixture.h"
#include "settings/Layout.h"
#include "setup/WinKeyCheckForm.h"
#include "toolkit/ErrorDisplay.h"

#include <algorithm>
#include <array>

using platform::Hive;

namespace {

const std::string kSelf = "^C:\\Programme\\Tastor32\\TSetup.exe";
const std::string kOverwrite = "Alle bisherigen Einstellungen überschreiben?";
const std::string kAutostart =
    "Möchten Sie, dass Tastor32 beim Windows-Start automatisch geladen wird?";
const std::string kDriverExe = "C:\\Programme\\Tastor32\\Tastor32.exe";

std::string SchemeKey(const std::string& event) {
    return std::string(settings::kSchemeKey) + event + "\\.current";
}

const char* const kEvents[] = {"Ein",         "Aus",       "Großschrift", "Rollen",
                               "Zehnerblock", "NUM Punkt", "Umlaut",      "EasyTab"};

class Install : public SetupFixture {
protected:
    void SetUp() override {
        SetupFixture::SetUp();
        fake.processes.existing = {kDriverExe};
        // The Windows-key dialog: the chosen button (none: keep the preselection), then OK
        // or the title bar.
        host.onModal = [this](toolkit::TForm& form) {
            auto& dialog = dynamic_cast<setup::TFrmWinKeyCheck&>(form);
            shownPreselected =
                dialog.RB2.Checked() && !dialog.RB0.Checked() && !dialog.RB1.Checked();
            toolkit::TRadioButton* buttons[] = {&dialog.RB0, &dialog.RB1, &dialog.RB2};
            if (winKeys >= 0) {
                buttons[winKeys]->UserClick();
            }
            if (closeByTitleBar) {
                dialog.SetModalResult(toolkit::ModalResult::mrCancel);
            } else {
                dialog.BitBtn1.Click();
            }
        };
    }
    void Run(bool quiet, bool winNT = true) {
        setup::RunInstall({settings::rmInstall, quiet, winNT}, store);
    }
    std::optional<std::string> MacroText(const std::string& name) {
        return fake.registry.GetString(Hive::CurrentUser, settings::kMacroKey, name);
    }
    // A store that has been used: every table holds texts of its own.
    void UsedStore(std::uint8_t marker) {
        fake.registry.SetBinary(Hive::CurrentUser, settings::kSettingsKey, "Tastor eingeschaltet",
                                {marker});
        fake.registry.SetBinary(Hive::CurrentUser, settings::kSettingsKey, "NUM Punkt", {1});
        SetString(settings::kSettingsKey, "DecimalDot", ",");
        fake.registry.SetBinary(Hive::CurrentUser, settings::kSettingsKey, "UmlautMode", {1});
        for (const char* name : {"00080047", "00800079", "00000070"}) {
            SetString(settings::kMacroKey, name, std::string("own ") + name);
        }
        SetString(settings::kUmlautAsciiKey, "000000DE", "own ae");
        SetString(settings::kUmlautHtmlKey, "000000DE", "own auml");
        SetString(SchemeKey("Ein"), "", "own.wav");
        SetString(settings::kSpeakerKey, "Ein", "1,2,3,4");
    }

    int winKeys = -1;
    bool closeByTitleBar = false;
    bool shownPreselected = false;
};

} // namespace

TEST_F(Install, AFirstQuietRunOnAnEmptyStoreWritesEveryDefaultInOrder) {
    Run(true);

    EXPECT_TRUE(shownPreselected);
    EXPECT_EQ(host.modalFormsShown, 1);
    EXPECT_EQ(
        Values(settings::kSettingsKey),
        (std::vector<std::string>{
            "Tastor eingeschaltet=#01", "NUM Punkt=#00", "EasyBackslash=#01", "EasyTab=#00",
            "Piepsen bei Umschaltungen=#01", "Speaker benutzen=#00", "Tastor-Symbol verstecken=#00",
            "NUM Umschaltung sperren=#00", "Umlautwandlung=#00", "DecimalDot=."}));
    EXPECT_EQ(Values(settings::kMacroKey),
              (std::vector<std::string>{
                  "000800BE=*.*", "00080047=mit freundlichen Grüßen$0D  Ihr Tastor ;-)",
                  "00080057=http://www.", "00080044=^*40 ^*41", "000800C0=^*2", "000900C0=^*3",
                  "0008006B=^*7", "00800079=^cmd.exe", "0080007B=^shutdown.exe -s",
                  "00800071=" + kSelf}));
    EXPECT_EQ(
        Values(settings::kUmlautAsciiKey),
        (std::vector<std::string>{"000000DE=ae", "000100DE=Ae", "001000DE=AE", "000000C0=oe",
                                  "000100C0=Oe", "001000C0=OE", "000000BA=ue", "000100BA=Ue",
                                  "001000BA=UE", "000000DB=ss", "000100DB=?", "001000DB=SS"}));
    EXPECT_EQ(Values(settings::kUmlautHtmlKey),
              (std::vector<std::string>{"000000DE=&auml;", "000100DE=&Auml;", "001000DE=&Auml;",
                                        "000000C0=&ouml;", "000100C0=&Ouml;", "001000C0=&Ouml;",
                                        "000000BA=&uuml;", "000100BA=&Uuml;", "001000BA=&Uuml;",
                                        "000000DB=&szlig;", "000100DB=?", "001000DB=SS"}));
    std::vector<std::string> waves, speaker;
    for (const char* event : kEvents) {
        for (const std::string& value : Values(SchemeKey(event))) {
            waves.push_back(event + (" " + value));
        }
        speaker.push_back(std::string(event) + "=4000,10,1,50");
    }
    EXPECT_EQ(waves, (std::vector<std::string>{"Ein =C:\\WINDOWS\\Media\\ding.wav",
                                               "Aus =C:\\WINDOWS\\Media\\ding.wav",
                                               "Großschrift =C:\\Programme\\Tastor32\\Squeeze.wav",
                                               "Rollen =C:\\Programme\\Tastor32\\Squeeze.wav",
                                               "Zehnerblock =C:\\Programme\\Tastor32\\Squeeze.wav",
                                               "NUM Punkt =C:\\Programme\\Tastor32\\Squeeze.wav",
                                               "Umlaut =C:\\Programme\\Tastor32\\Ni.wav",
                                               "EasyTab =C:\\Programme\\Tastor32\\Squeeze.wav"}));
    EXPECT_EQ(Values(settings::kSpeakerKey), speaker);
    EXPECT_EQ(Values(settings::kRunKey), (std::vector<std::string>{"Tastor32=" + kDriverExe}));
    EXPECT_TRUE(fake.boxes.log.empty());
    ASSERT_EQ(fake.processes.started.size(), 1u);
    EXPECT_EQ(fake.processes.started[0].file, kDriverExe);
    EXPECT_EQ(fake.registry.OpenKeys(), 1); // only the settings store
}

TEST_F(Install, TheQuestionsFollowTheMarkerAndQuietMode) {
    const std::string ask = "yesno:" + kOverwrite;
    const std::string autostart = "yesno:" + kAutostart;
    struct Case {
        const char* what;
        std::optional<std::vector<std::uint8_t>> marker; // REG_BINARY bytes, or missing
        bool markerIsText;
        bool quiet;
        std::deque<bool> answers;
        std::vector<std::string> log;
        bool overwritten;
        bool autostartWritten;
    } cases[] = {
        {"no marker", std::nullopt, false, false, {true}, {autostart}, true, true},
        {"marker 0", std::vector<std::uint8_t>{0}, false, false, {false}, {autostart}, true, false},
        {"marker 1, Yes",
         std::vector<std::uint8_t>{1},
         false,
         false,
         {true, false},
         {"beep:question", ask, autostart},
         true,
         false},
        {"marker 2, No",
         std::vector<std::uint8_t>{2},
         false,
         false,
         {false, true},
         {"beep:question", ask, autostart},
         false,
         true},
        {"marker 1, quiet", std::vector<std::uint8_t>{1}, false, true, {}, {}, true, true},
        {"unreadable marker",
         std::nullopt,
         true,
         false,
         {true, false},
         {"beep:question", ask, autostart},
         true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClearStore();
        if (c.marker) {
            UsedStore(c.marker->front());
        } else if (c.markerIsText) {
            UsedStore(1);
            SetString(settings::kSettingsKey, "Tastor eingeschaltet", "ja");
        }
        fake.boxes.log.clear();
        fake.boxes.answers = c.answers;
        host.modalFormsShown = 0;

        Run(c.quiet);

        EXPECT_EQ(fake.boxes.log, c.log);
        EXPECT_EQ(host.modalFormsShown, c.overwritten ? 1 : 0);
        EXPECT_EQ(MacroText("00080047") == "own 00080047", !c.overwritten && c.marker);
        EXPECT_EQ(Values(settings::kSettingsKey).front(), "Tastor eingeschaltet=#01");
        EXPECT_EQ(!Values(settings::kRunKey).empty(), c.autostartWritten);
    }
}

TEST_F(Install, DecliningKeepsMacrosUmlautsAndWavesAndResetsOptionsAndSpeaker) {
    UsedStore(1);
    const auto macros = Values(settings::kMacroKey);
    const auto ascii = Values(settings::kUmlautAsciiKey);
    const auto html = Values(settings::kUmlautHtmlKey);
    const auto wave = Values(SchemeKey("Ein"));
    SetString(settings::kRunKey, "Tastor32", "D:\\alt\\Tastor32.exe");
    fake.boxes.answers = {false, false};

    Run(false);

    auto expectedMacros = macros;
    expectedMacros.push_back("00800071=" + kSelf);
    EXPECT_EQ(Values(settings::kMacroKey), expectedMacros);
    EXPECT_EQ(Values(settings::kUmlautAsciiKey), ascii);
    EXPECT_EQ(Values(settings::kUmlautHtmlKey), html);
    EXPECT_EQ(Values(SchemeKey("Ein")), wave);
    EXPECT_FALSE(KeyExists(SchemeKey("Aus")));
    EXPECT_EQ(Values(settings::kSettingsKey),
              (std::vector<std::string>{"Tastor eingeschaltet=#01", "NUM Punkt=#00", "DecimalDot=.",
                                        "UmlautMode=#01", "EasyBackslash=#01", "EasyTab=#00",
                                        "Piepsen bei Umschaltungen=#01", "Speaker benutzen=#00",
                                        "Tastor-Symbol verstecken=#00",
                                        "NUM Umschaltung sperren=#00", "Umlautwandlung=#00"}));
    const auto speaker = Values(settings::kSpeakerKey);
    EXPECT_EQ(speaker.size(), 8u);
    EXPECT_TRUE(std::all_of(speaker.begin(), speaker.end(),
                            [](const std::string& v) { return v.ends_with("=4000,10,1,50"); }));
    EXPECT_EQ(Values(settings::kRunKey),
              (std::vector<std::string>{"Tastor32=D:\\alt\\Tastor32.exe"}));
}

TEST_F(Install, ADeclinedRunRewritesTheProgramStartWhereItStandsAndNeverAUsersOwnMacro) {
    // The three names of F2: right Windows key, left, Shift+AltGr; "" is a missing value,
    // "#" one that is not text.
    using Names = std::array<std::string, 3>;
    const Names names = {"00800071", "00400071", "00090071"};
    struct Case {
        Names before;
        int written; // the name rewritten, -1 for none
    } cases[] = {
        {{"", "", ""}, 0},
        {{"^C:\\alt\\TSetup.exe", "", ""}, 0},
        {{"^notepad.exe", "^D:\\x\\tsetup.EXE", ""}, 1},
        {{"Hallo", "Welt", "^C:\\Programme\\Tastor32\\TSetup.exe"}, 2},
        {{"Hallo", "^C:\\a\\TSetup.exe", "^C:\\b\\TSetup.exe"}, 1},
        {{"^\"C:\\Program Files\\TSetup.exe\"", "", ""}, 0},
        {{"Hallo", "", ""}, 1},
        {{"Hallo", "Welt", ""}, 2},
        {{"", "Welt", ""}, 0},
        {{"Hallo", "Welt", "!"}, -1},
        // Not a program start of this program: with arguments, another file, a driver
        // function, a value that is not text.
        {{"^C:\\TSetup.exe /U", "^C:\\TSetup.exe.alt", "^*9"}, -1},
        {{"#", "", ""}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.before[0] << " | " << c.before[1] << " | " << c.before[2]);
        fake.registry.DeleteKey(Hive::CurrentUser, settings::kMacroKey);
        UsedStore(1);
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (c.before[i] == "#") {
                fake.registry.SetBinary(Hive::CurrentUser, settings::kMacroKey, names[i], {1});
            } else if (!c.before[i].empty()) {
                SetString(settings::kMacroKey, names[i], c.before[i]);
            }
        }
        // Every other value stays as it was, where it was.
        auto expected = Values(settings::kMacroKey);
        if (c.written >= 0) {
            const std::string name = names[c.written] + "=";
            const auto at = std::find_if(expected.begin(), expected.end(),
                                         [&](const std::string& v) { return v.starts_with(name); });
            if (at == expected.end()) {
                expected.push_back(name + kSelf);
            } else {
                *at = name + kSelf;
            }
        }
        fake.boxes.answers = {false, false};

        Run(false);

        EXPECT_EQ(Values(settings::kMacroKey), expected);
    }
}

TEST_F(Install, TheWindowsKeyAnswerAndTheFamilyChooseTheLastThreeMacros) {
    struct Case {
        int winKeys; // -1: the preselection
        bool byTitleBar;
        bool winNT;
        std::vector<std::string> rows; // rows 8 to 10
    } cases[] = {
        {-1, false, true, {"00800079=^cmd.exe", "0080007B=^shutdown.exe -s", "00800071=" + kSelf}},
        {0, false, true, {"00090079=^cmd.exe", "0009007B=^shutdown.exe -s", "00090071=" + kSelf}},
        {1, false, true, {"00400079=^cmd.exe", "0040007B=^shutdown.exe -s", "00400071=" + kSelf}},
        {0, true, true, {"00090079=^cmd.exe", "0009007B=^shutdown.exe -s", "00090071=" + kSelf}},
        {1, true, false, {"00400079=^dosprmpt.pif", "0040007B=^*9", "00400071=" + kSelf}},
        {2, false, false, {"00800079=^dosprmpt.pif", "0080007B=^*9", "00800071=" + kSelf}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.winKeys << " " << c.byTitleBar << " " << c.winNT);
        fake.registry.DeleteKey(Hive::CurrentUser, settings::kMacroKey);
        winKeys = c.winKeys;
        closeByTitleBar = c.byTitleBar;

        Run(true, c.winNT);

        const auto macros = Values(settings::kMacroKey);
        ASSERT_EQ(macros.size(), 10u);
        EXPECT_EQ(std::vector<std::string>(macros.begin() + 7, macros.end()), c.rows);
    }
}

TEST_F(Install, TheDriverIsStartedOnlyWhenNoneRunsAndAFailureIsShownEvenQuietly) {
    struct Case {
        bool running;
        bool startable;
        bool quiet;
        std::size_t starts;
        std::vector<std::string> log;
    } cases[] = {
        {true, false, true, 0, {}},
        {false, true, true, 1, {}},
        {false, false, true, 1, {"beep:hand", "error:Tastor32.exe kann nicht gestartet werden"}},
        {false,
         false,
         false,
         1,
         {"beep:hand", "error:Tastor32.exe kann nicht gestartet werden", "yesno:" + kAutostart}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.running << c.startable << c.quiet);
        ClearStore();
        fake.windows.zOrder.clear();
        fake.windows.messages.clear();
        fake.processes.started.clear();
        fake.boxes.log.clear();
        fake.processes.existing.clear();
        if (c.startable) {
            fake.processes.existing.push_back(kDriverExe);
        }
        if (c.running) {
            StartDriverWindow();
        }

        Run(c.quiet);

        EXPECT_EQ(fake.processes.started.size(), c.starts);
        EXPECT_EQ(fake.boxes.log, c.log);
        EXPECT_TRUE(fake.windows.messages.empty());
    }
}

// A key that does not open is passed over in silence; a value that cannot be written ends
// the installation there and its error reaches the error display.
TEST_F(Install, AFailingKeyIsSkippedAndAFailingWriteEndsTheInstallation) {
    struct Case {
        const char* failing; // an existing key below which every write fails
        std::vector<std::string> log;
        std::vector<const char*> written;
        std::vector<const char*> missing;
        int dialogs;
        std::size_t starts;
    } cases[] = {
        {settings::kUmlautAsciiKey,
         {"error:Fehler beim Setzen der Daten für '000000DE'"},
         {settings::kMacroKey},
         {settings::kUmlautHtmlKey, settings::kSpeakerKey, settings::kSchemeKey, settings::kRunKey},
         1,
         0},
        {settings::kMacroTablesKey,
         {},
         {settings::kSpeakerKey, settings::kSchemeKey, settings::kRunKey},
         {settings::kMacroKey, settings::kUmlautAsciiKey, settings::kUmlautHtmlKey},
         0,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing);
        fake.registry.FailWritesUnder(Hive::CurrentUser, "");
        ClearStore();
        SetString(c.failing, "x", "");
        fake.registry.FailWritesUnder(Hive::CurrentUser, c.failing);
        fake.boxes.log.clear();
        fake.processes.started.clear();
        host.modalFormsShown = 0;

        toolkit::Guarded([&] { Run(true); });

        ASSERT_EQ(fake.boxes.log.size(), c.log.size()) << ::testing::PrintToString(fake.boxes.log);
        for (std::size_t i = 0; i < c.log.size(); ++i) {
            EXPECT_TRUE(fake.boxes.log[i].starts_with(c.log[i])) << fake.boxes.log[i];
        }
        for (const char* key : c.written) {
            EXPECT_TRUE(KeyExists(key)) << key;
        }
        for (const char* key : c.missing) {
            EXPECT_FALSE(KeyExists(key)) << key;
        }
        EXPECT_EQ(host.modalFormsShown, c.dialogs);
        EXPECT_EQ(fake.processes.started.size(), c.starts);
        EXPECT_EQ(Values(settings::kSettingsKey).size(), 10u);
        EXPECT_EQ(fake.registry.OpenKeys(), 1);
    }
}

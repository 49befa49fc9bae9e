#include "setup/Uninstall.h"

#include "SetupFixture.h"
#include "settings/Layout.h"
#include "setup/UnInstallForm.h"

#include <set>

using platform::Hive;

namespace {

const std::string kVendorSibling = "Software\\Velmark\\Other";
const std::string kOtherScheme = "AppEvents\\Schemes\\Apps\\Other";
const std::string kScheme = "AppEvents\\Schemes\\Apps\\Tastor32";

std::string NotDeleted(const std::string& path) {
    return "error:Registry-Einträge \"" + path + "\" konnten nicht gelöscht werden";
}

enum class Ending { Ok, Cancel, TitleBar };

class Uninstall : public SetupFixture {
protected:
    // Everything the driver and this program keep, and neighbours that are not theirs.
    void CompleteInstallation(bool umlautTables) {
        ClearStore();
        SetString(settings::kSettingsKey, "DecimalDot", ".");
        SetString(settings::kSpeakerKey, "Ein", "4000,10,1,50");
        SetString(settings::kTastorKey, "Version", "1");
        SetString(settings::kMacroKey, "00080047", "Gruss");
        if (umlautTables) {
            SetString(settings::kUmlautAsciiKey, "000000DE", "ae");
            SetString(settings::kUmlautHtmlKey, "000000DE", "&auml;");
        }
        SetString(kScheme + "\\Ein\\.current", "", "ding.wav");
        SetString(kVendorSibling, "x", "y");
        SetString(kOtherScheme, "", "z");
        SetString(settings::kRunKey, "Tastor32", "C:\\Programme\\Tastor32\\Tastor32.exe");
        SetString(settings::kRunKey, "Other", "other.exe");
    }
};

} // namespace

TEST_F(Uninstall, EachChoiceRemovesExactlyItsKeysAndTellsTheDriver) {
    const std::vector<std::string> watched = {settings::kSettingsKey,
                                              settings::kSpeakerKey,
                                              kScheme,
                                              settings::kMacroKey,
                                              settings::kUmlautAsciiKey,
                                              settings::kUmlautHtmlKey,
                                              settings::kMacroTablesKey,
                                              settings::kTastorKey,
                                              "Software\\Velmark",
                                              kVendorSibling,
                                              kOtherScheme,
                                              "AppEvents\\Schemes\\Apps"};
    const std::set<std::string> settingsKeys = {settings::kSettingsKey, settings::kSpeakerKey};
    const std::set<std::string> macroKeys = {settings::kMacroKey, settings::kUmlautAsciiKey,
                                             settings::kUmlautHtmlKey, settings::kMacroTablesKey};
    std::set<std::string> everything = settingsKeys;
    everything.insert(macroKeys.begin(), macroKeys.end());
    everything.insert({kScheme, settings::kTastorKey});
    const std::vector<std::uint32_t> stopped = {1126, 16};

    using Form = setup::TUnInstallForm;
    struct Case {
        const char* what;
        bool quiet;
        std::vector<toolkit::TCheckBox Form::*> unchecked;
        Ending ending;
        std::set<std::string> gone;
        bool runValueGone;
        std::vector<std::uint32_t> posted;
    } cases[] = {
        {"quiet", true, {}, Ending::Ok, everything, true, stopped},
        {"OK with every box", false, {}, Ending::Ok, everything, true, stopped},
        {"only sounds",
         false,
         {&Form::SettingsCB, &Form::MacrosCB},
         Ending::Ok,
         {kScheme},
         true,
         stopped},
        {"settings without macros",
         false,
         {&Form::SoundCB, &Form::MacrosCB},
         Ending::Ok,
         settingsKeys,
         true,
         stopped},
        {"macros without settings",
         false,
         {&Form::SettingsCB, &Form::SoundCB},
         Ending::Ok,
         macroKeys,
         true,
         stopped},
        {"Cancel", false, {&Form::SettingsCB}, Ending::Cancel, {}, false, {}},
        {"title bar", false, {}, Ending::TitleBar, {}, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CompleteInstallation(true);
        const platform::WindowId driver = StartDriverWindow();
        fake.windows.messages.clear();
        fake.boxes.log.clear();
        host.onModal = [&](toolkit::TForm& shown) {
            auto& form = dynamic_cast<Form&>(shown);
            EXPECT_FALSE(form.FilesCB.Enabled());
            EXPECT_FALSE(form.AutostartCB.Enabled());
            for (auto* box : {&form.FilesCB, &form.AutostartCB, &form.SettingsCB, &form.SoundCB,
                              &form.MacrosCB}) {
                EXPECT_TRUE(box->Checked());
            }
            for (auto member : c.unchecked) {
                (form.*member).UserClick();
            }
            if (c.ending == Ending::Ok) {
                form.OkBtn.Click();
            } else if (c.ending == Ending::Cancel) {
                form.CancelBtn.Click();
            } else {
                form.SetModalResult(toolkit::ModalResult::mrCancel);
            }
        };

        setup::RunUninstall({settings::rmUninstall, c.quiet, true}, store);

        for (const std::string& key : watched) {
            EXPECT_EQ(KeyExists(key), c.gone.count(key) == 0) << key;
        }
        EXPECT_EQ(Values(settings::kRunKey).size(), c.runValueGone ? 1u : 2u);
        std::vector<std::uint32_t> posted;
        for (const auto& m : fake.windows.messages) {
            EXPECT_EQ(m.window, driver);
            EXPECT_FALSE(m.sent);
            EXPECT_EQ(m.wParam, 0u);
            EXPECT_EQ(m.lParam, 0);
            posted.push_back(m.message);
        }
        EXPECT_EQ(posted, c.posted);
        EXPECT_TRUE(fake.boxes.log.empty());
        EXPECT_EQ(host.modalFormsShown > 0, !c.quiet);
        host.modalFormsShown = 0;
        fake.windows.zOrder.clear();
    }
}

TEST_F(Uninstall, EveryKeyThatCannotBeDeletedHasItsOwnMessageEvenQuietly) {
    struct Case {
        const char* what;
        bool complete;
        bool umlautTables;
        std::vector<std::string> log;
    } cases[] = {
        {"no umlaut tables",
         true,
         false,
         {"beep:hand", NotDeleted(settings::kUmlautAsciiKey), "beep:hand",
          NotDeleted(settings::kUmlautHtmlKey)}},
        {"nothing but the settings key",
         false,
         false,
         {"beep:hand", NotDeleted("AppEvents\\Schemes\\Apps\\Tastor32\\"), "beep:hand",
          NotDeleted(settings::kMacroKey), "beep:hand", NotDeleted(settings::kUmlautAsciiKey),
          "beep:hand", NotDeleted(settings::kUmlautHtmlKey), "beep:hand",
          NotDeleted(settings::kMacroTablesKey)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.complete) {
            CompleteInstallation(c.umlautTables);
        } else {
            ClearStore();
        }
        fake.boxes.log.clear();

        setup::RunUninstall({settings::rmUninstall, true, true}, store);

        EXPECT_EQ(fake.boxes.log, c.log);
        EXPECT_FALSE(KeyExists(settings::kTastorKey));
        EXPECT_TRUE(KeyExists("Software\\Velmark"));
        EXPECT_EQ(fake.registry.OpenKeys(), 0); // the settings store was closed
    }
}

// Loading asks the registry for read access only: a load opens no key for writing, reads
// through no key opened for writing, writes nothing, and makes a key it needs and finds
// missing once.
#include "app/RunMode.h"
#include "app/Startup.h"
#include "driver/DriverControl.h"
#include "macros/EditMacroUnit.h"
#include "macros/MacroExportFile.h"
#include "platform/Cp1252.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Layout.h"
#include "settings/Names.h"
#include "settings/SettingsStore.h"
#include "toolkit/fake/FakeApplicationHost.h"
#include "ui/MainForm.h"

#include <gtest/gtest.h>

#include <functional>

using platform::Hive;

namespace {

class LoadAccess : public testing::Test {
public:
    void StoreEveryKey() {
        auto& r = fake.registry;
        r.SetBinary(Hive::CurrentUser, settings::kSettingsKey, "Tastor eingeschaltet", {1});
        r.SetString(Hive::CurrentUser, settings::kSettingsKey, settings::kHomeDirValue, "C:\\T");
        r.SetString(Hive::CurrentUser, settings::kMacroKey, "00080047", "gespeichert");
        r.SetString(Hive::CurrentUser, settings::kSpeakerKey, "Ein", "1,2,3,4");
        r.SetString(Hive::CurrentUser, settings::kRunKey, "Tastor32", "C:\\T\\Tastor32.exe");
        r.SetString(Hive::LocalMachine, settings::kWindowsVersionKey, "ProgramFilesDir", "C:\\P");
        r.SetString(Hive::CurrentUser, std::string(settings::kSchemeKey) + "Ein\\.current", "",
                    "ein.wav");
    }
    // The window loads, runs the given clicks and is closed with Cancel.
    void RunWindow(settings::TSettingsStore& store,
                   const std::function<void(ui::TMainForm&)>& clicks = {}) {
        ui::TMainForm form{settings::TStartupState{}, store};
        host.onMainForm = [&](toolkit::TForm&) {
            if (clicks) {
                clicks(form);
            }
            form.CancelBtn.Click();
        };
        toolkit::RunMainForm(form);
    }
    // The sound scheme's keys are made on purpose by the load (empty event keys).
    static bool IsSchemeKey(const std::string& path) {
        const std::string scheme = platform::Cp1252UpperText(settings::kSchemeKey);
        return platform::Cp1252UpperText(path + "\\").starts_with(scheme);
    }

    platform::fake::FakePlatform fake;
    toolkit::fake::FakeApplicationHost host;
};

} // namespace

TEST_F(LoadAccess, EveryLoadOpensForReadingOnlyAndMakesAMissingKeyOnce) {
    const std::vector<std::string> keysOfTheWindow = {settings::kSettingsKey, settings::kMacroKey,
                                                      settings::kSpeakerKey};
    struct Case {
        const char* name;
        std::function<void(LoadAccess&)> load;
        std::vector<std::string> madeWhenMissing;
    } cases[] = {
        {"start-up, first-run check and the window closed with Cancel",
         [](LoadAccess& t) {
             app::TProcessStart start = app::StartUp();
             app::ChooseStartupState(false, *start.Store);
             t.RunWindow(*start.Store);
             app::ShutDown(start);
         },
         keysOfTheWindow},
        {"a load after a save, as the import does it",
         [](LoadAccess& t) {
             settings::TSettingsStore store;
             t.RunWindow(store, [&](ui::TMainForm& form) {
                 form.AcceptBtn.Click();
                 t.fake.registry.ForgetAccess();
                 form.LoadSettings();
             });
         },
         {}},
        {"the driver's file",
         [](LoadAccess&) {
             settings::TSettingsStore store;
             driver::DriverExePath(store);
         },
         {settings::kSettingsKey}},
        {"the autostart check", [](LoadAccess&) { driver::IsAutostartSet(); }, {}},
        {"the program folder of the macro editor",
         [](LoadAccess&) { macros::ReadWindowsSetting("ProgramFilesDir"); },
         {}},
        {"the macro export and the backup before an import",
         [](LoadAccess&) {
             macros::MacroExportFile();
             std::vector<platform::RegTreeKey> keys;
             platform::Reg().ReadTree(Hive::CurrentUser, settings::kMacroKey, keys);
         },
         {}},
    };
    for (const bool stored : {true, false}) {
        for (const auto& c : cases) {
            const std::string name = std::string(c.name) + (stored ? "" : ", keys missing");
            fake.registry.DeleteKey(Hive::CurrentUser, "Software");
            fake.registry.DeleteKey(Hive::CurrentUser, "AppEvents");
            fake.registry.DeleteKey(Hive::LocalMachine, "SOFTWARE");
            fake.boxes.shown.clear();
            if (stored) {
                StoreEveryKey();
            }
            fake.registry.ForgetAccess();
            c.load(*this);
            std::vector<std::string> made;
            for (const auto& open : fake.registry.Opens()) {
                if (IsSchemeKey(open.path)) {
                    continue;
                }
                EXPECT_TRUE(open.readOnly) << name << ": " << open.path;
                if (open.created) {
                    made.push_back(open.path);
                }
            }
            EXPECT_EQ(made, stored ? std::vector<std::string>{} : c.madeWhenMissing) << name;
            EXPECT_EQ(fake.registry.WritesThroughReadOnlyKeys(), 0) << name;
            EXPECT_EQ(fake.registry.ReadsThroughWritableKeys(), 0) << name;
            EXPECT_TRUE(fake.boxes.shown.empty()) << name;
            EXPECT_EQ(fake.registry.OpenKeys(), 0) << name;
        }
    }
}

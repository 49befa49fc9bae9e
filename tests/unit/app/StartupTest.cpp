#include "app/Startup.h"
#include "app/PrevInst.h"
#include "app/RunMode.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Layout.h"
#include "toolkit/fake/FakeApplicationHost.h"
#include "ui/MainForm.h"

#include <gtest/gtest.h>

using platform::Hive;

namespace {

class Startup : public testing::Test {
protected:
    void StoreHasSettings() {
        fake.registry.SetBinary(Hive::CurrentUser, settings::kSettingsKey, "Tastor eingeschaltet",
                                {1});
    }
    platform::fake::FakePlatform fake;
    toolkit::fake::FakeApplicationHost host;
};

} // namespace

TEST_F(Startup, SwitchesAreWholeParametersInAnyCase) {
    struct Case {
        std::vector<std::string> arguments;
        bool i, u, q;
    } cases[] = {
        {{}, false, false, false},         {{"/I"}, true, false, false},
        {{"/i"}, true, false, false},      {{"/I", "/I"}, true, false, false},
        {{"/IQ"}, false, false, false},    {{"-I"}, false, false, false},
        {{"/I:x"}, false, false, false},   {{"I"}, false, false, false},
        {{"/ I"}, false, false, false},    {{"/I "}, false, false, false},
        {{"/u", "/q"}, false, true, true}, {{"x", "/Q", "/U", "/I"}, true, true, true},
    };
    for (const auto& c : cases) {
        fake.system.arguments = c.arguments;
        const std::string where = ::testing::PrintToString(c.arguments);
        EXPECT_EQ(app::HasSwitch("I"), c.i) << where;
        EXPECT_EQ(app::HasSwitch("U"), c.u) << where;
        EXPECT_EQ(app::HasSwitch("Q"), c.q) << where;
    }
}

TEST_F(Startup, TheInstanceNameLosesOnlyAnUpperCaseExtension) {
    struct Case {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\Programme\\Tastor32\\TSETUP.EXE", "TSETUP"},
        {"C:\\Programme\\Tastor32\\TSetup.exe", "TSetup.exe"},
        {"C:\\Programme\\Tastor32\\tsetup.EXE", "tsetup"},
        {"C:\\A.EXE.dir\\setup.exe", "setup.exe"},
        {"D:TSetup2.EXE", "TSetup2"},
    };
    for (const auto& c : cases) {
        fake.system.programPath = c.path;
        EXPECT_EQ(app::InstanceName(), c.name) << c.path;
    }
}

TEST_F(Startup, StartUpChecksTheSystemTakesTheLockAndCreatesTheSettingsKey) {
    struct Case {
        std::uint32_t platformId;
        platform::LockResult lock;
        bool winNT, second;
    } cases[] = {
        {2, platform::LockResult::Acquired, true, false},
        {1, platform::LockResult::AlreadyExists, false, true},
        {3, platform::LockResult::Failed, true, false},
        {0, platform::LockResult::Acquired, false, false},
    };
    for (const auto& c : cases) {
        fake.system.platformId = c.platformId;
        fake.instanceLock.result = c.lock;
        app::TProcessStart start = app::StartUp();
        EXPECT_EQ(start.IsWinNT, c.winNT) << c.platformId;
        EXPECT_EQ(start.IsSecondInstance, c.second) << c.platformId;
        EXPECT_TRUE(fake.registry.KeyExists(Hive::CurrentUser, settings::kSettingsKey));
        app::ShutDown(start);
    }
    EXPECT_EQ(fake.instanceLock.names.back(), "TSetup.exe");
    EXPECT_EQ(fake.registry.OpenKeys(), 0);
}

TEST_F(Startup, TheRunModeFollowsTheSwitchesAndTheFirstRunMarker) {
    struct Case {
        std::vector<std::string> arguments;
        bool hasSettings;
        settings::TRunMode mode;
        bool quiet;
        bool window;
    } cases[] = {
        {{}, true, settings::rmNormal, false, true},
        {{}, false, settings::rmInstall, false, true},
        {{"/Q"}, true, settings::rmNormal, true, true},
        {{"/Q"}, false, settings::rmInstall, true, false},
        {{"/I"}, true, settings::rmInstall, false, true},
        {{"/i", "/q"}, true, settings::rmInstall, true, false},
        {{"/IQ"}, true, settings::rmNormal, false, true},
        {{"-I", "/Q"}, true, settings::rmNormal, true, true},
        {{"/I:x", "/Q"}, true, settings::rmNormal, true, true},
        {{"/U"}, true, settings::rmUninstall, false, false},
        {{"/u"}, false, settings::rmUninstall, false, false},
        {{"/I", "/U"}, true, settings::rmUninstall, false, false},
    };
    for (const auto& c : cases) {
        const std::string where = ::testing::PrintToString(c.arguments);
        fake.registry.DeleteKey(Hive::CurrentUser, "Software\\Velmark");
        if (c.hasSettings) {
            StoreHasSettings();
        }
        fake.system.arguments = c.arguments;
        const int before = host.mainFormsRun;
        app::TProcessStart start = app::StartUp();
        const settings::TStartupState state = app::ChooseStartupState(false, *start.Store);
        EXPECT_EQ(state.RunMode, c.mode) << where;
        EXPECT_EQ(state.QuietMode, c.quiet) << where;
        EXPECT_FALSE(state.IsWinNT) << where;
        EXPECT_EQ(app::RunProgram(start), 0) << where;
        EXPECT_EQ(host.mainFormsRun - before, c.window ? 1 : 0) << where;
        app::ShutDown(start);
    }
}

TEST_F(Startup, TheSettingsWindowRunsUnderTheApplicationTitle) {
    StoreHasSettings();
    std::string caption;
    host.onMainForm = [&](toolkit::TForm& form) { caption = form.Caption(); };
    app::TProcessStart start = app::StartUp();
    EXPECT_EQ(app::RunProgram(start), 0);
    EXPECT_EQ(host.titles, std::vector<std::string>{"TSetup - Einstellungsprogramm für Tastor32"});
    EXPECT_EQ(caption, "Tastor32 Einstellungen");
}

TEST_F(Startup, ASecondInstanceHandsOverAndEndsWithOneBeforeAnyMode) {
    fake.instanceLock.result = platform::LockResult::AlreadyExists;
    for (const char* argument : {"/I", "/U", "/Q"}) {
        fake.system.arguments = {argument};
        app::TProcessStart start = app::StartUp();
        EXPECT_EQ(app::RunProgram(start), 1) << argument;
        EXPECT_EQ(host.mainFormsRun, 0) << argument;
        app::ShutDown(start);
    }
    // No first-run installation: nothing was written beside the settings key itself.
    EXPECT_TRUE(fake.registry.ValueNamesOf(Hive::CurrentUser, settings::kSettingsKey).empty());
}

TEST_F(Startup, ActivationRestoresTheNextWindowOfTheSameClassBelowTheOwnOne) {
    struct Case {
        const char* what;
        bool firstMinimised;
        bool staysMinimised;
        std::vector<std::string> actions;
    } cases[] = {
        {"shown", false, false, {"restore:T", "top:T", "foreground:T"}},
        {"minimised", true, false, {"restore:T", "top:T", "foreground:T"}},
        {"still minimised after one restore",
         true,
         true,
         {"restore:T", "restore:T", "foreground:T"}},
    };
    for (const auto& c : cases) {
        struct {
            platform::fake::FakeWindows windows;
        } own;
        platform::fake::FakeWindows& windows = own.windows;
        const auto first = windows.Add("TSetupApplication", "TSetup - Einstellungsprogramm");
        windows.Add("Other", "TSetup.exe");
        windows.Add("TSetupApplication", "TSetup.exe"); // this instance's own, on top
        windows.Get(first)->iconic = c.firstMinimised;
        windows.Get(first)->staysIconic = c.staysMinimised;
        {
            platform::InstalledServices installed(platform::ServicesOf(own, platform::Installed()));
            app::ActivatePreviousInstance();
        }
        std::vector<std::string> expected;
        for (std::string action : c.actions) {
            expected.push_back(action.replace(action.find('T'), 1, std::to_string(first)));
        }
        EXPECT_EQ(windows.actions, expected) << c.what;
    }
}

TEST_F(Startup, ActivationDoesNothingWithoutAWindowBelowOfTheSameClass) {
    // No window carries the instance name.
    fake.windows.Add("TSetupApplication", "TSetup - Einstellungsprogramm");
    app::ActivatePreviousInstance();
    // The own window is the lowest of its class: the one above it is never the target.
    fake.windows.zOrder.push_back({0x999, "TSetupApplication", "TSetup.exe"});
    fake.windows.zOrder.insert(fake.windows.zOrder.begin() + 1, {0x998, "Other", "x"});
    app::ActivatePreviousInstance();
    EXPECT_TRUE(fake.windows.actions.empty());
}

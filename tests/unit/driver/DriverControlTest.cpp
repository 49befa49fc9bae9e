#include "driver/DriverControl.h"

#include "platform/fake/FakePlatform.h"
#include "settings/Layout.h"
#include "settings/SettingsStore.h"
#include "settings/StoreError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using platform::Hive;
using platform::fake::FakeWindows;

namespace {

class DriverControl : public testing::Test {
protected:
    std::optional<std::string> RunValue() {
        return fake.registry.GetString(Hive::CurrentUser, settings::kRunKey, "Tastor32");
    }

    platform::fake::FakePlatform fake;
    settings::TSettingsStore store;
};

struct Delivery {
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    bool sent;
    bool operator==(const Delivery&) const = default;
};

std::vector<Delivery> DeliveriesTo(const FakeWindows& windows, platform::WindowId window) {
    std::vector<Delivery> result;
    for (const auto& m : windows.messages) {
        if (m.window == window) {
            result.push_back({m.message, m.wParam, m.lParam, m.sent});
        }
    }
    return result;
}

} // namespace

TEST(DriverMessages, NumbersAreThoseTheDriverKnows) {
    EXPECT_EQ(driver::kWmClose, 16u);
    EXPECT_EQ(driver::kWmQuit, 18u);
    EXPECT_EQ(driver::WM_RELOADSETTINGS, 1125u);
    EXPECT_EQ(driver::WM_DRIVERUNINSTALL, 1126u);
    EXPECT_EQ(driver::WM_SETTINGSOPENED, 1131u);
    EXPECT_EQ(driver::WM_SETTINGSOPENING, 1132u);
}

TEST_F(DriverControl, MessagesReachOnlyAWindowWithClassAndTitleTastor32) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> windows; // class, title
        int driver; // index of the window that must get the messages, -1 for none
    } cases[] = {
        {"no windows", {}, -1},
        {"the driver alone", {{"Tastor32", "Tastor32"}}, 0},
        {"class only", {{"Tastor32", "Tastor"}}, -1},
        {"title only", {{"TForm", "Tastor32"}}, -1},
        {"both halves in different windows", {{"Tastor32", "x"}, {"TApplication", "Tastor32"}}, -1},
        {"case of the title differs", {{"Tastor32", "TASTOR32"}}, -1},
        {"the driver among others",
         {{"TApplication", "Tastor32"}, {"Tastor32", "Tastor32"}, {"Tastor32", "Tastor32 "}},
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.windows.zOrder.clear();
        fake.windows.messages.clear();
        std::vector<platform::WindowId> ids;
        for (const auto& [className, title] : c.windows) {
            ids.push_back(fake.windows.Add(className, title));
        }
        const platform::WindowId driver = c.driver < 0 ? 0 : ids[c.driver];

        EXPECT_EQ(driver::FindDriverWindow(), driver);
        EXPECT_EQ(driver::IsDriverRunning(), driver != 0);

        EXPECT_EQ(driver::PostToDriver(driver::WM_RELOADSETTINGS, 0, 0), driver != 0);
        EXPECT_EQ(driver::PostToDriver(driver::WM_SETTINGSOPENING, 7, -3), driver != 0);
        EXPECT_EQ(driver::SendToDriver(driver::WM_SETTINGSOPENED, 0, 0), driver != 0);
        EXPECT_EQ(driver::PostToDriver(driver::kWmQuit, 0, 0), driver != 0);
        EXPECT_EQ(driver::PostToDriver(driver::kWmClose, 0, 0), driver != 0);

        if (driver == 0) {
            EXPECT_TRUE(fake.windows.messages.empty());
            continue;
        }
        const std::vector<Delivery> expected = {
            {1125, 0, 0, false}, {1132, 7, -3, false}, {1131, 0, 0, true},
            {18, 0, 0, false},   {16, 0, 0, false},
        };
        EXPECT_EQ(DeliveriesTo(fake.windows, driver), expected);
        EXPECT_EQ(fake.windows.messages.size(), expected.size());
    }
}

TEST_F(DriverControl, SendReportsADriverThatDoesNotAnswer) {
    const auto window = fake.windows.Add("Tastor32", "Tastor32");
    fake.windows.Get(window)->answers = false;
    EXPECT_FALSE(driver::SendToDriver(driver::WM_SETTINGSOPENED, 0, 0));
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    EXPECT_TRUE(fake.windows.messages[0].sent);
    EXPECT_EQ(fake.windows.messages[0].message, 1131u);
}

TEST_F(DriverControl, DriverExePathFollowsHomeDir) {
    struct Case {
        const char* name;
        std::optional<std::string> homeDir;
        const char* path;
    } cases[] = {
        {"without backslash", "C:\\Tastor", "C:\\Tastor\\Tastor32.exe"},
        {"with backslash", "C:\\Tastor\\", "C:\\Tastor\\Tastor32.exe"},
        {"missing", std::nullopt, "C:\\Programme\\Tastor32\\Tastor32.exe"},
        {"empty", "", "C:\\Programme\\Tastor32\\Tastor32.exe"},
        {"drive only", "D:", "D:\\Tastor32.exe"},
        {"non-ASCII", "C:\\Programme\\Würfel", "C:\\Programme\\Würfel\\Tastor32.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto key = fake.registry.Open(Hive::CurrentUser, settings::kSettingsKey, false);
        ASSERT_NE(key, nullptr);
        key->DeleteValue("HomeDir");
        if (c.homeDir) {
            fake.registry.SetString(Hive::CurrentUser, settings::kSettingsKey, "HomeDir",
                                    *c.homeDir);
        }
        EXPECT_EQ(driver::DriverExePath(store), c.path);
    }
}

TEST_F(DriverControl, DriverExePathBesideAProgramInADriveRoot) {
    fake.system.programPath = "D:\\TSetup.exe";
    EXPECT_EQ(driver::DriverExePath(store), "D:\\Tastor32.exe");
}

TEST_F(DriverControl, StartDriverLaunchesTheDriverFileWithoutArguments) {
    struct Case {
        std::optional<std::string> homeDir;
        bool exists;
        const char* file;
        const char* directory;
    } cases[] = {
        {"C:\\Tastor", true, "C:\\Tastor\\Tastor32.exe", "C:\\Tastor\\"},
        {"C:\\Tastor\\", true, "C:\\Tastor\\Tastor32.exe", "C:\\Tastor\\"},
        {std::nullopt, true, "C:\\Programme\\Tastor32\\Tastor32.exe", "C:\\Programme\\Tastor32\\"},
        {"", true, "C:\\Programme\\Tastor32\\Tastor32.exe", "C:\\Programme\\Tastor32\\"},
        {"C:\\Leer", false, "C:\\Leer\\Tastor32.exe", "C:\\Leer\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fake.processes.started.clear();
        fake.processes.existing.clear();
        if (c.exists) {
            fake.processes.existing.push_back(c.file);
        }
        auto key = fake.registry.Open(Hive::CurrentUser, settings::kSettingsKey, false);
        ASSERT_NE(key, nullptr);
        key->DeleteValue("HomeDir");
        if (c.homeDir) {
            fake.registry.SetString(Hive::CurrentUser, settings::kSettingsKey, "HomeDir",
                                    *c.homeDir);
        }
        EXPECT_EQ(driver::StartDriver(store), c.exists);
        ASSERT_EQ(fake.processes.started.size(), 1u);
        EXPECT_EQ(fake.processes.started[0].file, c.file);
        EXPECT_EQ(fake.processes.started[0].commandLine, std::string(c.file) + " ");
        EXPECT_EQ(fake.processes.started[0].directory, c.directory);
    }
}

TEST_F(DriverControl, IsAutostartSetDoesNotCreateTheRunKey) {
    EXPECT_FALSE(driver::IsAutostartSet());
    EXPECT_FALSE(fake.registry.KeyExists(Hive::CurrentUser, settings::kRunKey));
    EXPECT_EQ(fake.registry.OpenKeys(), 1); // only the settings key stays open
}

TEST_F(DriverControl, IsAutostartSetFollowsTheValue) {
    struct Case {
        const char* name;
        std::vector<std::string> values; // REG_SZ values in the Run key
        bool set;
    } cases[] = {
        {"empty Run key", {}, false},
        {"other programs only", {"Tastor", "Tastor32.exe", "Other"}, false},
        {"the value", {"Other", "Tastor32"}, true},
        {"the value in other case", {"TASTOR32"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.registry.DeleteKey(Hive::CurrentUser, settings::kRunKey);
        ASSERT_NE(fake.registry.Open(Hive::CurrentUser, settings::kRunKey, true), nullptr);
        for (const auto& name : c.values) {
            fake.registry.SetString(Hive::CurrentUser, settings::kRunKey, name, "x.exe");
        }
        EXPECT_EQ(driver::IsAutostartSet(), c.set);
    }
    // A value of another type counts as well: only its existence is asked.
    fake.registry.DeleteKey(Hive::CurrentUser, settings::kRunKey);
    fake.registry.SetBinary(Hive::CurrentUser, settings::kRunKey, "Tastor32", {1});
    EXPECT_TRUE(driver::IsAutostartSet());
}

TEST_F(DriverControl, EnablingWritesTheProgramDirectoryCommand) {
    struct Case {
        const char* programPath;
        const char* command;
    } cases[] = {
        {"C:\\Programme\\Tastor32\\TSetup.exe", "C:\\Programme\\Tastor32\\Tastor32.exe"},
        {"C:\\Program Files\\Tastor 32\\TSetup.exe", "C:\\Program Files\\Tastor 32\\Tastor32.exe"},
        {"D:\\TSetup.exe", "D:\\Tastor32.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.programPath);
        fake.registry.DeleteKey(Hive::CurrentUser, settings::kRunKey);
        fake.system.programPath = c.programPath;
        EXPECT_EQ(driver::AutostartCommand(), c.command);

        EXPECT_TRUE(driver::SetAutostart(true)); // the Run key is created
        auto value = fake.registry.GetValue(Hive::CurrentUser, settings::kRunKey, "Tastor32");
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->type, static_cast<std::uint32_t>(platform::RegType::Sz));
        EXPECT_EQ(RunValue(), c.command);
        EXPECT_EQ(fake.registry.ValueNamesOf(Hive::CurrentUser, settings::kRunKey),
                  std::vector<std::string>{"Tastor32"});
        EXPECT_TRUE(driver::IsAutostartSet());
    }
    EXPECT_EQ(fake.registry.OpenKeys(), 1);
}

TEST_F(DriverControl, EnablingReplacesAnEarlierCommandAndKeepsOtherValues) {
    fake.registry.SetString(Hive::CurrentUser, settings::kRunKey, "Other", "other.exe");
    fake.registry.SetString(Hive::CurrentUser, settings::kRunKey, "Tastor32",
                            "\"E:\\Alt\\Tastor32.exe\" /x");
    EXPECT_TRUE(driver::SetAutostart("Tastor32", "C:\\Neu\\Tastor32.exe", true));
    EXPECT_EQ(RunValue(), "C:\\Neu\\Tastor32.exe");
    EXPECT_EQ(fake.registry.GetString(Hive::CurrentUser, settings::kRunKey, "Other"), "other.exe");
}

TEST_F(DriverControl, DisablingDeletesTheValueAndSaysWhetherItDid) {
    struct Case {
        const char* name;
        bool runKeyExists;
        bool valueExists;
        bool result;
    } cases[] = {
        {"value present", true, true, true},
        {"value missing", true, false, false},
        {"Run key missing", false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.registry.DeleteKey(Hive::CurrentUser, settings::kRunKey);
        if (c.runKeyExists) {
            fake.registry.SetString(Hive::CurrentUser, settings::kRunKey, "Other", "other.exe");
        }
        if (c.valueExists) {
            fake.registry.SetString(Hive::CurrentUser, settings::kRunKey, "Tastor32", "x.exe");
        }
        EXPECT_EQ(driver::SetAutostart(false), c.result);
        EXPECT_FALSE(RunValue().has_value());
        EXPECT_FALSE(driver::IsAutostartSet());
        if (c.runKeyExists) {
            EXPECT_EQ(fake.registry.GetString(Hive::CurrentUser, settings::kRunKey, "Other"),
                      "other.exe");
        }
    }
    EXPECT_EQ(fake.registry.OpenKeys(), 1);
}

TEST_F(DriverControl, ARunKeyThatDoesNotOpenMakesSetAutostartANoOp) {
    // Creating the missing Run key is refused.
    fake.registry.FailWritesUnder(Hive::CurrentUser, "Software");
    EXPECT_FALSE(driver::SetAutostart(true));
    EXPECT_FALSE(driver::SetAutostart(false));
    EXPECT_FALSE(fake.registry.KeyExists(Hive::CurrentUser, settings::kRunKey));
    fake.registry.FailWritesUnder(Hive::CurrentUser, "");
}

TEST_F(DriverControl, AFailingWriteRaisesTheStoreError) {
    fake.registry.SetString(Hive::CurrentUser, settings::kRunKey, "Other", "other.exe");
    fake.registry.FailWritesUnder(Hive::CurrentUser, settings::kRunKey);
    try {
        driver::SetAutostart(true);
        ADD_FAILURE() << "no error raised";
    } catch (const settings::StoreError& error) {
        EXPECT_STREQ(error.what(), "Fehler beim Setzen der Daten für 'Tastor32':\r\n"
                                   "Zugriff verweigert");
    }
    EXPECT_FALSE(RunValue().has_value());
    // The accessor was released on the way out.
    EXPECT_EQ(fake.registry.OpenKeys(), 1);
    fake.registry.FailWritesUnder(Hive::CurrentUser, "");
}

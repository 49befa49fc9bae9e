// The settings window waits for the driver's answer when it opens: busy, and not for long.
#include "platform/fake/FakePlatform.h"
#include "settings/SettingsStore.h"
#include "toolkit/fake/FakeApplicationHost.h"
#include "ui/MainForm.h"

#include <gtest/gtest.h>

TEST(DriverWait, TheWindowShowsItIsBusyWhileItWaitsAtMostThreeSecondsForTheDriver) {
    platform::fake::FakePlatform fake;
    toolkit::fake::FakeApplicationHost host;
    settings::TSettingsStore store;
    fake.windows.Add("Tastor32", "Tastor32");
    std::vector<std::uint32_t> limits;
    fake.windows.onSend = [&](std::uint32_t timeoutMs) {
        limits.push_back(timeoutMs);
        EXPECT_EQ(host.busyChanges, std::vector<bool>{true});
    };
    ui::TMainForm form{settings::TStartupState{}, store};
    toolkit::RunMainForm(form);
    EXPECT_EQ(limits.size(), 1u);
    for (std::uint32_t limit : limits) {
        EXPECT_LE(limit, 3000u);
    }
    EXPECT_EQ(host.busyChanges, (std::vector<bool>{true, false}));
}

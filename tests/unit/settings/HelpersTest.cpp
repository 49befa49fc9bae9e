#include "settings/Helpers.h"
#include "platform/fake/FakeServices.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

TEST(Helpers, DirectoriesEndWithOneBackslash) {
    platform::fake::FakePlatform fake;
    struct Case {
        const char* programPath;
        const char* windowsDirectory;
        const char* programDir;
        const char* windowsDir;
    } cases[] = {
        {"C:\\Programme\\Tastor32\\TSetup.exe", "C:\\WINDOWS", "C:\\Programme\\Tastor32\\",
         "C:\\WINDOWS\\"},
        {"C:\\TSetup.exe", "C:\\", "C:\\", "C:\\"},
        {"D:TSetup.exe", "", "D:\\", ""},
        {"\\\\server\\share\\Tastor\\TSetup.exe", "C:\\Win\\", "\\\\server\\share\\Tastor\\",
         "C:\\Win\\"},
    };
    for (const auto& c : cases) {
        fake.system.programPath = c.programPath;
        fake.system.windowsDirectory = c.windowsDirectory;
        EXPECT_EQ(settings::ProgramDir(), c.programDir) << c.programPath;
        EXPECT_EQ(settings::WindowsDir(), c.windowsDir) << c.windowsDirectory;
    }
    EXPECT_EQ(settings::AddTrailingBackslash(""), "");
    EXPECT_EQ(settings::AddTrailingBackslash("a"), "a\\");
    EXPECT_EQ(settings::AddTrailingBackslash("a\\"), "a\\");
    EXPECT_EQ(settings::AddTrailingBackslash("C:"), "C:\\");
}

TEST(Helpers, MessageBoxesSoundFirstAndAnswerYesOnlyForYes) {
    platform::fake::FakePlatform fake;
    settings::ShowInfo("Info");
    settings::ShowError("Fehler");
    fake.boxes.answers = {true, false};
    EXPECT_TRUE(settings::AskYesNo("Ja?"));
    EXPECT_FALSE(settings::AskYesNo("Nein?"));
    EXPECT_FALSE(settings::AskYesNo("Ohne Antwort?"));
    EXPECT_EQ(fake.boxes.log,
              (std::vector<std::string>{"info:Info", "beep:hand", "error:Fehler", "beep:question",
                                        "yesno:Ja?", "beep:question", "yesno:Nein?",
                                        "beep:question", "yesno:Ohne Antwort?"}));
    for (const auto& box : fake.boxes.shown) {
        EXPECT_EQ(box.title, toolkit::ApplicationTitle());
    }
}

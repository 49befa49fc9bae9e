#include "toolkit/MessageBoxes.h"
#include "platform/fake/FakePlatform.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

TEST(MessageBoxes, TheUsersBoxesSoundFirstAndAnswerYesOnlyForYes) {
    platform::fake::FakePlatform fake;
    toolkit::ShowInfo("Info");
    toolkit::ShowError("Fehler");
    fake.boxes.answers = {true, false};
    EXPECT_TRUE(toolkit::AskYesNo("Ja?"));
    EXPECT_FALSE(toolkit::AskYesNo("Nein?"));
    EXPECT_FALSE(toolkit::AskYesNo("Ohne Antwort?"));
    toolkit::ShowErrorText("Ausnahme");
    EXPECT_EQ(fake.boxes.log,
              (std::vector<std::string>{"info:Info", "beep:hand", "error:Fehler", "beep:question",
                                        "yesno:Ja?", "beep:question", "yesno:Nein?",
                                        "beep:question", "yesno:Ohne Antwort?", "error:Ausnahme"}));
    for (const auto& box : fake.boxes.shown) {
        EXPECT_EQ(box.title, toolkit::ApplicationTitle());
    }
}

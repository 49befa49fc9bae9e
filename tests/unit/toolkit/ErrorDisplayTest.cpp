#include "platform/fake/FakePlatform.h"
#include "settings/StoreError.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

namespace {

struct Form : toolkit::TForm {
    Form() : TForm(1), Save(*this, 10), Box(*this, 11) {}
    toolkit::TButton Save;
    toolkit::TCheckBox Box;
};

} // namespace

TEST(ErrorDisplay, AnErrorInAHandlerIsShownAndTheProgramGoesOn) {
    platform::fake::FakePlatform fake;
    Form form;
    int clicks = 0;
    form.Save.OnClick = [&] {
        ++clicks;
        throw settings::StoreError("Fehler beim Setzen der Daten für 'EasyTab'");
    };
    form.Save.Click();
    form.Save.Click();
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(fake.boxes.shown.size(), 2u);
    EXPECT_EQ(fake.boxes.shown[0].kind, platform::BoxKind::Error);
    EXPECT_EQ(fake.boxes.shown[0].text, "Fehler beim Setzen der Daten für 'EasyTab'");
    // Any other error is shown the same way.
    form.Box.OnClick = [] { throw std::runtime_error("kaputt"); };
    form.Box.UserClick();
    EXPECT_TRUE(form.Box.Checked());
    EXPECT_EQ(fake.boxes.shown.back().text, "kaputt");
}

TEST(Controls, StateChangesFireTheirHandlersLikeTheUsersDo) {
    platform::fake::FakePlatform fake;
    Form form;
    int clicks = 0;
    form.Box.OnClick = [&] { ++clicks; };
    form.Box.SetChecked(true);
    form.Box.SetChecked(true);
    form.Box.UserClick();
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(form.Box.Checked());
    form.Save.SetEnabled(false);
    form.Save.OnClick = [&] { ++clicks; };
    form.Save.Click();
    EXPECT_EQ(clicks, 2);
}

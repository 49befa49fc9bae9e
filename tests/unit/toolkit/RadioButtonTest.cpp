#include "toolkit/RadioButton.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

TEST(RadioButton, AnArrowChoosesAndFocusesTheNextEnabledButtonOfTheGroupInIdOrder) {
    struct Case {
        int from, step, disabled, chosen; // disabled: the id of a disabled button, or 0
    } cases[] = {{1, 1, 0, 2}, {1, -1, 0, 3}, {3, 1, 0, 1}, {1, 1, 2, 3}, {2, -1, 1, 3}};
    for (const Case& c : cases) {
        toolkit::TForm form(1);
        toolkit::TRadioButton c3(form, 3), b1(form, 1), b2(form, 2);
        b1.SetGroup({&b2, &c3});
        b2.SetGroup({&b1, &c3});
        c3.SetGroup({&b1, &b2});
        toolkit::TRadioButton* buttons[] = {&b1, &b2, &c3};
        buttons[c.from - 1]->SetChecked(true);
        for (toolkit::TRadioButton* button : buttons) {
            button->SetEnabled(button->Id() != c.disabled);
        }
        buttons[c.from - 1]->UserArrow(c.step);
        for (toolkit::TRadioButton* button : buttons) {
            const bool chosen = button->Id() == c.chosen;
            EXPECT_EQ(chosen, button->Checked()) << c.from << c.step << c.disabled << button->Id();
            EXPECT_EQ(chosen, button->Focused()) << c.from << c.step << c.disabled << button->Id();
        }
    }
}

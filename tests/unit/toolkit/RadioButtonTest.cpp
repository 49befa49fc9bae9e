#include "toolkit/Control.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Three buttons of one group, made out of the order of their ids.
struct Form : toolkit::TForm {
    Form() : TForm(1), C(*this, 3), A(*this, 1), B(*this, 2) {
        A.SetGroup({&B, &C});
        B.SetGroup({&A, &C});
        C.SetGroup({&A, &B});
        A.SetChecked(true);
    }
    toolkit::TRadioButton C, A, B;
};

} // namespace

TEST(RadioButton, AnArrowChoosesTheNextEnabledButtonOfTheGroupInIdOrder) {
    struct Case {
        const char* what;
        int from, step;
        std::vector<int> disabled;
        int chosen;
    } cases[] = {
        {"down", 1, 1, {}, 2},
        {"up wraps to the last", 1, -1, {}, 3},
        {"down wraps to the first", 3, 1, {}, 1},
        {"a disabled button is passed over", 1, 1, {2}, 3},
        {"with all others disabled nothing moves", 1, 1, {2, 3}, 1},
    };
    for (const Case& c : cases) {
        Form form;
        toolkit::TRadioButton* buttons[] = {&form.A, &form.B, &form.C};
        for (toolkit::TRadioButton* button : buttons) {
            button->SetEnabled(std::find(c.disabled.begin(), c.disabled.end(), button->Id()) ==
                               c.disabled.end());
        }
        buttons[c.from - 1]->UserArrow(c.step);
        for (toolkit::TRadioButton* button : buttons) {
            const bool chosen = button->Id() == c.chosen;
            EXPECT_EQ(chosen, button->Checked()) << c.what << ", button " << button->Id();
            EXPECT_EQ(chosen && c.chosen != c.from, button->Focused())
                << c.what << ", button " << button->Id();
        }
    }
}

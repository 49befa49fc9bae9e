// A radio button: one of a group is chosen.
#pragma once

#include "toolkit/Control.h"

#include <functional>
#include <initializer_list>
#include <vector>

namespace toolkit {

class TRadioButton : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::RadioButton; }
    std::function<void()> OnClick;
    // The other buttons of the group, which checking this one unchecks.
    void SetGroup(std::initializer_list<TRadioButton*> partners);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    void UserClick();
    // Whether an arrow key moves between the buttons of a group: there are partners.
    bool TakesArrows() const { return !partners_.empty(); }
    // An arrow key on the button: the next (step 1) or previous (step -1) enabled button of
    // the group, in the order of the dialog template (their ids), takes the focus and is
    // chosen, as in any group of radio buttons, whatever stands between them in tab order.
    void UserArrow(int step);

private:
    bool checked_ = false;
    std::vector<TRadioButton*> partners_;
};

} // namespace toolkit

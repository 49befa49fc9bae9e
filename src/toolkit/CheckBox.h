// A check box: on or off.
#pragma once

#include "toolkit/Control.h"

#include <functional>

namespace toolkit {

class TCheckBox : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::CheckBox; }
    std::function<void()> OnClick;
    bool Checked() const { return checked_; }
    // A change of state fires OnClick, whoever makes it.
    void SetChecked(bool checked);
    void UserClick() { SetChecked(!checked_); }

private:
    bool checked_ = false;
};

} // namespace toolkit

// A two-state button that stays pressed, as the start/stop button of the driver.
#pragma once

#include "toolkit/Button.h"

namespace toolkit {

class TToggleButton : public TButton {
public:
    using TButton::TButton;
    TControlKind Kind() const override { return TControlKind::ToggleButton; }
    bool Down() const { return down_; }
    void SetDown(bool down);
    // The user's click flips the pressed state before the handler runs.
    void UserClick();

private:
    bool down_ = false;
};

} // namespace toolkit

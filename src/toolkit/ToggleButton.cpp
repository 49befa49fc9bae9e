#include "toolkit/ToggleButton.h"

namespace toolkit {

void TToggleButton::SetDown(bool down) {
    if (down_ != down) {
        down_ = down;
        Changed();
    }
}

void TToggleButton::UserClick() {
    SetDown(!down_);
    Click();
}

} // namespace toolkit

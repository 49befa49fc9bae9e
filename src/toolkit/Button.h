// A push button.
#pragma once

#include "toolkit/Control.h"

#include <functional>

namespace toolkit {

class TButton : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::Button; }
    std::function<void()> OnClick;
    // What a click sets as the form's modal result (after the handler), if anything.
    int ModalResultOnClick = 0;
    // Icon resources of a picture beside the caption: as shown while the button is enabled
    // and while it is disabled. 0: no picture.
    int GlyphId = 0;
    int DisabledGlyphId = 0;
    // A click by the user or by the program.
    void Click();
};

} // namespace toolkit

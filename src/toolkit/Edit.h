// A one-line text field.
#pragma once

#include "toolkit/Control.h"

#include <functional>
#include <string>

namespace toolkit {

class TEdit : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::Edit; }
    std::function<void()> OnChange;
    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    // Text typed by the user.
    void UserSetText(const std::string& text);
    // Whether a character the user types may go into the text.
    virtual bool UserChar(char /*character*/) { return true; }
};

} // namespace toolkit

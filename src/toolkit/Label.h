// A text on a form that the user reads but does not use.
#pragma once

#include "toolkit/Control.h"

namespace toolkit {

class TLabel : public TControl {
public:
    using TControl::TControl;
};

} // namespace toolkit

// A plain area that holds other controls.
#pragma once

#include "toolkit/Control.h"

namespace toolkit {

class TPanel : public TControl {
public:
    using TControl::TControl;
};

} // namespace toolkit

// A frame with a caption around a group of controls.
#pragma once

#include "toolkit/Control.h"

namespace toolkit {

class TGroupBox : public TControl {
public:
    using TControl::TControl;
};

} // namespace toolkit

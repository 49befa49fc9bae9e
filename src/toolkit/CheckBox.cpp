#include "toolkit/CheckBox.h"

namespace toolkit {

void TCheckBox::SetChecked(bool checked) {
    if (checked_ == checked) {
        return;
    }
    checked_ = checked;
    Changed();
    Fire(OnClick);
}

} // namespace toolkit

#include "toolkit/ComboBox.h"

namespace toolkit {

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(Items.size())) {
        index = -1;
    }
    if (index_ != index) {
        index_ = index;
        Changed();
    }
}

void TComboBox::UserSelect(int index) {
    SetItemIndex(index);
    Fire(OnChange);
}

} // namespace toolkit

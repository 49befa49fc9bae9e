// A drop-down list to choose from, without typing.
#pragma once

#include "toolkit/Control.h"

#include <functional>
#include <string>
#include <vector>

namespace toolkit {

class TComboBox : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::ComboBox; }
    std::function<void()> OnChange;
    std::vector<std::string> Items;
    int ItemIndex() const { return index_; }
    void SetItemIndex(int index);
    void ItemsChanged() { Changed(); }
    void UserSelect(int index);

private:
    int index_ = -1;
};

} // namespace toolkit

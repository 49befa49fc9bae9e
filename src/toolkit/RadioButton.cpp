#include "toolkit/RadioButton.h"

#include "toolkit/Form.h"

#include <algorithm>

namespace toolkit {

void TRadioButton::SetGroup(std::initializer_list<TRadioButton*> partners) {
    partners_.assign(partners.begin(), partners.end());
}

void TRadioButton::SetChecked(bool checked) {
    if (checked_ == checked) {
        return;
    }
    checked_ = checked;
    if (checked) {
        for (TRadioButton* partner : partners_) {
            partner->SetChecked(false);
        }
    }
    Changed();
    Fire(OnClick);
}

void TRadioButton::UserClick() {
    if (Enabled()) {
        SetChecked(true);
    }
}

void TRadioButton::UserArrow(int step) {
    std::vector<TRadioButton*> group = partners_;
    group.push_back(this);
    std::sort(group.begin(), group.end(),
              [](const TRadioButton* a, const TRadioButton* b) { return a->Id() < b->Id(); });
    const auto count = static_cast<int>(group.size());
    const auto at = static_cast<int>(std::find(group.begin(), group.end(), this) - group.begin());
    for (int i = 1; i < count; ++i) {
        TRadioButton* next = group[((at + step * i) % count + count) % count];
        if (next->Enabled()) {
            next->SetFocus();
            next->UserClick();
            return;
        }
    }
}

} // namespace toolkit

#include "toolkit/Control.h"

#include "toolkit/ErrorDisplay.h"
#include "toolkit/Form.h"

#include <algorithm>

namespace toolkit {

TControl::TControl(TForm& form, int id) : form_(form), id_(id) {
    form_.Register(this);
}

TControl::~TControl() {
    form_.Unregister(this);
}

void TControl::SetCaption(const std::string& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        Changed();
    }
}

void TControl::SetEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        Changed();
    }
}

void TControl::SetHint(const std::string& hint, bool shown) {
    hint_ = hint;
    showHint_ = shown;
    Changed();
}

std::string WithoutMnemonic(const std::string& caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        text += caption[i];
    }
    return text;
}

std::string TControl::AccessibleName() const {
    return WithoutMnemonic(nameLabel_ != nullptr ? nameLabel_->Caption() : caption_);
}

void TControl::SetAccessibleDescription(const std::string& description) {
    if (description_ != description) {
        description_ = description;
        Changed();
    }
}

void TControl::SetFocus() {
    form_.SetActiveControl(this);
    if (peer_ != nullptr) {
        peer_->Focus();
    }
}

bool TControl::Focused() const {
    return form_.ActiveControl() == this;
}

void TControl::AttachPeer(ControlPeer* peer) {
    peer_ = peer;
    if (peer_ != nullptr) {
        peer_->Refresh();
        needsDrawing_ = false;
    }
}

void TControl::Changed() {
    needsDrawing_ = true;
}

void TControl::Fire(const std::function<void()>& handler) {
    if (handler) {
        Guarded(handler);
    }
}

void TButton::Click() {
    if (!Enabled()) {
        return;
    }
    Fire(OnClick);
    if (ModalResultOnClick != 0) {
        Form().SetModalResult(static_cast<ModalResult>(ModalResultOnClick));
    }
}

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

void TCheckBox::SetChecked(bool checked) {
    if (checked_ == checked) {
        return;
    }
    checked_ = checked;
    Changed();
    Fire(OnClick);
}

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

void TEdit::UserSetText(const std::string& text) {
    SetText(text);
    Fire(OnChange);
}

void TPageControl::AddPage(TTabSheet& page) {
    pages_.push_back(&page);
}

TTabSheet* TPageControl::ActivePage() const {
    return active_ >= 0 && active_ < static_cast<int>(pages_.size()) ? pages_[active_] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet& page) {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i] == &page && active_ != static_cast<int>(i)) {
            active_ = static_cast<int>(i);
            Changed();
        }
    }
}

void TPageControl::UserSelectPage(int index) {
    if (index < 0 || index >= static_cast<int>(pages_.size()) || index == active_) {
        return;
    }
    active_ = index;
    Changed();
    Fire(OnChange);
}

} // namespace toolkit

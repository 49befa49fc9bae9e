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

} // namespace toolkit

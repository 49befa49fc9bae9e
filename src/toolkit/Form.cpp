#include "toolkit/Form.h"

#include "toolkit/Control.h"

#include <algorithm>

namespace toolkit {

TForm::TForm(int templateId) : templateId_(templateId) {}

TForm::~TForm() = default;

void TForm::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (host_ != nullptr) {
        host_->CaptionChanged();
    }
}

void TForm::SetModalResult(ModalResult result) {
    modalResult_ = result;
    if (result != ModalResult::mrNone) {
        Close();
    }
}

void TForm::Close() {
    if (closed_) {
        return;
    }
    closed_ = true;
    FormClose();
    if (host_ != nullptr) {
        host_->Close();
    }
}

void TForm::Register(TControl* control) {
    controls_.push_back(control);
}

void TForm::Unregister(TControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    if (active_ == control) {
        active_ = nullptr;
    }
}

void TForm::DrawChanges() {
    if (host_ != nullptr) {
        host_->DrawChanges();
    }
}

void TForm::ResetForShow() {
    closed_ = false;
    modalResult_ = ModalResult::mrNone;
}

} // namespace toolkit

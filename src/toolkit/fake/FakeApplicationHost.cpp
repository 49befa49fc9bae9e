#include "toolkit/fake/FakeApplicationHost.h"

namespace toolkit::fake {

FakeApplicationHost::FakeApplicationHost() : earlier_(InstallApplicationHost(this)) {}

FakeApplicationHost::~FakeApplicationHost() {
    InstallApplicationHost(earlier_);
}

void FakeApplicationHost::RunMainForm(TForm& form) {
    ++mainFormsRun;
    form.ResetForShow();
    form.AttachHost(this);
    form.FormCreate();
    if (onMainForm) {
        onMainForm(form);
    }
    form.AttachHost(nullptr);
}

ModalResult FakeApplicationHost::ShowModal(TForm& form) {
    ++modalFormsShown;
    form.ResetForShow();
    form.AttachHost(this);
    form.FormCreate();
    if (onModal) {
        onModal(form);
    }
    form.AttachHost(nullptr);
    const ModalResult result = form.GetModalResult();
    return result == ModalResult::mrNone ? ModalResult::mrCancel : result;
}

} // namespace toolkit::fake

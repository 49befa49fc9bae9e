// An application host for tests: forms run without windows, and a test scripts what the
// user does while a form is shown.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <functional>
#include <string>
#include <vector>

namespace toolkit::fake {

class FakeApplicationHost : public ApplicationHost, private FormHost {
public:
    FakeApplicationHost();
    ~FakeApplicationHost() override;

    // What the user does while the main form is shown; by default nothing, and the form
    // closes as soon as FormCreate has run.
    std::function<void(TForm&)> onMainForm;
    // What the user does in a modal form; the form's modal result afterwards is returned
    // (Cancel when the script set none).
    std::function<void(TForm&)> onModal;

    std::vector<std::string> titles;
    // Every change of the busy state, in order.
    std::vector<bool> busyChanges;
    int mainFormsRun = 0;
    int modalFormsShown = 0;

    void SetTitle(const std::string& title) override { titles.push_back(title); }
    void RunMainForm(TForm& form) override;
    ModalResult ShowModal(TForm& form) override;
    void SetBusy(bool busy) override { busyChanges.push_back(busy); }

private:
    void Close() override {}
    void CaptionChanged() override {}
    void DrawChanges() override {}
    ApplicationHost* earlier_;
};

} // namespace toolkit::fake

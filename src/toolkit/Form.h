// A form: one window of the program, with its controls and handlers. The host that shows
// it on Windows attaches to it; in tests a form runs without any window.
#pragma once

#include "toolkit/Application.h"

#include <string>
#include <vector>

namespace toolkit {

class TControl;

class FormHost {
public:
    virtual ~FormHost() = default;
    // Ends the form's window (modal or not).
    virtual void Close() = 0;
    virtual void CaptionChanged() = 0;
    // Shows the changed state of every control in the window, once.
    virtual void DrawChanges() = 0;
};

class TForm {
public:
    explicit TForm(int templateId);
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    int TemplateId() const { return templateId_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    const std::vector<TControl*>& Controls() const { return controls_; }
    TControl* ActiveControl() const { return active_; }

    ModalResult GetModalResult() const { return modalResult_; }
    // Setting a result other than mrNone closes a modal form.
    void SetModalResult(ModalResult result);
    void Close();
    bool Closed() const { return closed_; }

    virtual void FormCreate() {}
    virtual void FormPaint() {}
    virtual void FormClose() {}

    // Used by the controls and the host.
    void Register(TControl* control);
    void Unregister(TControl* control);
    void SetActiveControl(TControl* control) { active_ = control; }
    void AttachHost(FormHost* host) { host_ = host; }
    // After input that did not come through the form's own window procedure.
    void DrawChanges();
    FormHost* Host() const { return host_; }
    void ResetForShow();

private:
    int templateId_;
    std::string caption_;
    std::vector<TControl*> controls_;
    TControl* active_ = nullptr;
    ModalResult modalResult_ = ModalResult::mrNone;
    bool closed_ = false;
    FormHost* host_ = nullptr;
};

} // namespace toolkit

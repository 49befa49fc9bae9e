// The application object: its title, its main form and modal forms. The host that shows
// forms on screen is installed by the Win32 entry; tests install a scripted one.
#pragma once

#include <string>

namespace toolkit {

class TForm;

enum class ModalResult { mrNone, mrOk, mrCancel };

class ApplicationHost {
public:
    virtual ~ApplicationHost() = default;
    virtual void SetTitle(const std::string& title) = 0;
    // Shows the form as the application's main window and runs the message loop until
    // it closes.
    virtual void RunMainForm(TForm& form) = 0;
    virtual ModalResult ShowModal(TForm& form) = 0;
    // The program waits for something outside it: the user sees a wait cursor until
    // SetBusy(false).
    virtual void SetBusy(bool /*busy*/) {}
};

// Returns the earlier host.
ApplicationHost* InstallApplicationHost(ApplicationHost* host);

const std::string& ApplicationTitle();
void SetApplicationTitle(const std::string& title);
void RunMainForm(TForm& form);
ModalResult ShowModal(TForm& form);

// Shows the application busy while it lives (a wait, for example for another program).
class TBusyScope {
public:
    TBusyScope();
    ~TBusyScope();
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;
};

} // namespace toolkit

// The application's hidden window. A second start of the program finds it by its title
// and class and restores it; the window then restores and raises the main form.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/win32/FormWindow.h"

#include <windows.h>

#include <string>

namespace toolkit::win32 {

inline constexpr const wchar_t* kApplicationWindowClass = L"TSetupApplication";

class Win32ApplicationHost : public ApplicationHost {
public:
    explicit Win32ApplicationHost(const std::string& title);
    ~Win32ApplicationHost() override;
    Win32ApplicationHost(const Win32ApplicationHost&) = delete;
    Win32ApplicationHost& operator=(const Win32ApplicationHost&) = delete;

    void SetTitle(const std::string& title) override;
    void RunMainForm(TForm& form) override;
    ModalResult ShowModal(TForm& form) override;
    void SetBusy(bool busy) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void ActivateMainForm();

    HWND window_ = nullptr;
    HWND mainWindow_ = nullptr;
    bool activationPosted_ = false;
};

} // namespace toolkit::win32

#include "toolkit/win32/ApplicationWindow.h"

#include "platform/win32/WideText.h"
#include "toolkit/ErrorDisplay.h"

namespace toolkit::win32 {
namespace {

constexpr UINT kActivateMainForm = WM_APP + 1;

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

} // namespace

Win32ApplicationHost::Win32ApplicationHost(const std::string& title) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Win32ApplicationHost::WindowProc;
    windowClass.hInstance = Instance();
    windowClass.hIcon = LoadIconW(Instance(), MAKEINTRESOURCEW(1));
    windowClass.lpszClassName = kApplicationWindowClass;
    RegisterClassExW(&windowClass);
    // Never shown: no size, off the screen, not in the task bar.
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kApplicationWindowClass,
                              platform::win32::Wide(title).c_str(), WS_POPUP, -32000, -32000, 0, 0,
                              nullptr, nullptr, Instance(), this);
}

Win32ApplicationHost::~Win32ApplicationHost() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void Win32ApplicationHost::SetTitle(const std::string& title) {
    if (window_ != nullptr) {
        SetWindowTextW(window_, platform::win32::Wide(title).c_str());
    }
}

void Win32ApplicationHost::SetBusy(bool busy) {
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void Win32ApplicationHost::RunMainForm(TForm& form) {
    FormWindow host(form);
    mainWindow_ = host.CreateModeless(nullptr, true);
    if (mainWindow_ == nullptr) {
        return;
    }
    ShowWindow(mainWindow_, SW_SHOWNORMAL);
    SetForegroundWindow(mainWindow_);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND dialog = host.Window();
        if (host.TranslatePageKeys(message)) {
            continue;
        }
        if (dialog != nullptr && IsDialogMessageW(dialog, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    mainWindow_ = nullptr;
}

ModalResult Win32ApplicationHost::ShowModal(TForm& form) {
    FormWindow host(form);
    HWND owner = GetActiveWindow();
    return host.RunModal(owner != nullptr ? owner : mainWindow_);
}

void Win32ApplicationHost::ActivateMainForm() {
    activationPosted_ = false;
    if (IsWindowVisible(window_)) {
        ShowWindow(window_, SW_HIDE);
    }
    if (mainWindow_ == nullptr) {
        return;
    }
    if (IsIconic(mainWindow_)) {
        ShowWindow(mainWindow_, SW_RESTORE);
    }
    BringWindowToTop(mainWindow_);
    SetForegroundWindow(mainWindow_);
}

LRESULT CALLBACK Win32ApplicationHost::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32ApplicationHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr) {
        switch (message) {
        case WM_SHOWWINDOW:
        case WM_WINDOWPOSCHANGING: {
            // Another instance restores this window: hand it on to the main form.
            bool showing = message == WM_SHOWWINDOW && wParam != FALSE;
            if (message == WM_WINDOWPOSCHANGING) {
                auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
                showing = (position->flags & SWP_SHOWWINDOW) != 0;
                position->flags &= ~SWP_SHOWWINDOW;
            }
            if (showing && !self->activationPosted_) {
                self->activationPosted_ = true;
                PostMessageW(window, kActivateMainForm, 0, 0);
            }
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && !self->activationPosted_) {
                self->activationPosted_ = true;
                PostMessageW(window, kActivateMainForm, 0, 0);
            }
            return 0;
        case kActivateMainForm:
            Guarded([self] { self->ActivateMainForm(); });
            return 0;
        default:
            break;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace toolkit::win32

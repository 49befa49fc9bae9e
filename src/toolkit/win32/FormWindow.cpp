#include "toolkit/win32/FormWindow.h"

#include "platform/Services.h"
#include "platform/win32/WideText.h"
#include "toolkit/Control.h"
#include "toolkit/ErrorDisplay.h"
#include "toolkit/PageControl.h"
#include "toolkit/TabSheet.h"
#include "toolkit/win32/PageControlPeer.h"

#include <commctrl.h>
#include <uxtheme.h>

namespace toolkit::win32 {
namespace {

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

} // namespace

FormWindow::FormWindow(TForm& form) : form_(form) {
    form_.AttachHost(this);
}

FormWindow::~FormWindow() {
    for (TControl* control : form_.Controls()) {
        control->AttachPeer(nullptr);
    }
    form_.AttachHost(nullptr);
    if (window_ != nullptr && !modal_) {
        DestroyWindow(window_);
    }
}

HWND FormWindow::CreateModeless(HWND owner, bool quitOnClose) {
    modal_ = false;
    quitOnClose_ = quitOnClose;
    form_.ResetForShow();
    return CreateDialogParamW(Instance(), MAKEINTRESOURCEW(form_.TemplateId()), owner,
                              &FormWindow::DialogProc, reinterpret_cast<LPARAM>(this));
}

ModalResult FormWindow::RunModal(HWND owner) {
    modal_ = true;
    form_.ResetForShow();
    DialogBoxParamW(Instance(), MAKEINTRESOURCEW(form_.TemplateId()), owner,
                    &FormWindow::DialogProc, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    ModalResult result = form_.GetModalResult();
    return result == ModalResult::mrNone ? ModalResult::mrCancel : result;
}

void FormWindow::Close() {
    if (window_ == nullptr) {
        return;
    }
    if (modal_) {
        EndDialog(window_, static_cast<INT_PTR>(form_.GetModalResult()));
    } else {
        HWND window = window_;
        window_ = nullptr;
        DestroyWindow(window);
        if (quitOnClose_) {
            PostQuitMessage(0);
        }
    }
}

bool FormWindow::TranslatePageKeys(const MSG& message) {
    if (window_ == nullptr || message.message != WM_KEYDOWN ||
        !platform::Keys().IsDown(VK_CONTROL) ||
        (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    int step = 0;
    if (message.wParam == VK_TAB) {
        step = platform::Keys().IsDown(VK_SHIFT) ? -1 : 1;
    } else if (message.wParam == VK_NEXT) {
        step = 1;
    } else if (message.wParam == VK_PRIOR) {
        step = -1;
    }
    if (step == 0) {
        return false;
    }
    for (TControl* control : form_.Controls()) {
        if (control->Kind() != TControlKind::PageControl) {
            continue;
        }
        auto& pages = static_cast<TPageControl&>(*control);
        if (pages.Pages().empty()) {
            continue;
        }
        const int count = static_cast<int>(pages.Pages().size());
        pages.UserSelectPage((pages.ActivePageIndex() + step + count) % count);
        DrawChanges();
        return true;
    }
    return false;
}

void FormWindow::DrawChanges() {
    // A peer's drawing can make the control notify the dialog again.
    if (drawing_ || window_ == nullptr) {
        return;
    }
    drawing_ = true;
    for (const auto& peer : peers_) {
        TControl& control = peer->Control();
        if (control.NeedsDrawing()) {
            control.MarkDrawn();
            peer->Refresh();
        }
    }
    drawing_ = false;
}

void FormWindow::CaptionChanged() {
    if (window_ != nullptr) {
        SetWindowTextW(window_, platform::win32::Wide(form_.Caption()).c_str());
    }
}

INT_PTR CALLBACK FormWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    INT_PTR result = FALSE;
    // No exception may cross the window procedure.
    Guarded([&] {
        result = self->Handle(window, message, wParam, lParam);
        self->DrawChanges();
    });
    return result;
}

INT_PTR CALLBACK FormWindow::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        EnableThemeDialogTexture(window, ETDT_ENABLETAB);
        return FALSE;
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr || (message != WM_COMMAND && message != WM_NOTIFY)) {
        return FALSE;
    }
    INT_PTR result = FALSE;
    Guarded([&] {
        result = self->Handle(window, message, wParam, lParam);
        self->DrawChanges();
    });
    return result;
}

void FormWindow::Initialise(HWND window) {
    window_ = window;
    SetWindowTextW(window_, platform::win32::Wide(form_.Caption()).c_str());
    if (HICON icon = LoadIconW(Instance(), MAKEINTRESOURCEW(1))) {
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    CreatePages();
    AttachPeers();
    CreateToolTips();
    Guarded([&] { form_.FormCreate(); });
    if (TControl* active = form_.ActiveControl()) {
        active->SetFocus();
    }
}

void FormWindow::CreatePages() {
    for (TControl* control : form_.Controls()) {
        if (control->Kind() != TControlKind::PageControl) {
            continue;
        }
        auto* pages = static_cast<TPageControl*>(control);
        HWND tab = GetDlgItem(window_, pages->Id());
        if (tab == nullptr) {
            continue;
        }
        RECT area;
        GetWindowRect(tab, &area);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&area), 2);
        std::vector<HWND> windows;
        for (TTabSheet* page : pages->Pages()) {
            HWND pageWindow =
                CreateDialogParamW(Instance(), MAKEINTRESOURCEW(page->TemplateId()), window_,
                                   &FormWindow::PageProc, reinterpret_cast<LPARAM>(this));
            windows.push_back(pageWindow);
            pageWindows_.push_back(pageWindow);
        }
        // The tabs must exist before the display area can be measured.
        auto peer = std::make_unique<PageControlPeer>(*pages, tab, windows);
        RECT display = area;
        TabCtrl_AdjustRect(tab, FALSE, &display);
        HWND after = tab;
        for (HWND pageWindow : windows) {
            SetWindowPos(pageWindow, after, display.left, display.top, display.right - display.left,
                         display.bottom - display.top, SWP_NOACTIVATE);
            after = pageWindow;
        }
        pages->AttachPeer(peer.get());
        peers_.push_back(std::move(peer));
    }
}

void FormWindow::AttachPeers() {
    for (TControl* control : form_.Controls()) {
        if (control->Kind() == TControlKind::PageControl ||
            control->Kind() == TControlKind::TabSheet) {
            continue;
        }
        HWND child = GetDlgItem(window_, control->Id());
        for (std::size_t i = 0; child == nullptr && i < pageWindows_.size(); ++i) {
            child = GetDlgItem(pageWindows_[i], control->Id());
        }
        if (child == nullptr) {
            continue;
        }
        auto peer = MakePeer(*control, child);
        control->AttachPeer(peer.get());
        peers_.push_back(std::move(peer));
    }
}

void FormWindow::CreateToolTips() {
    for (const auto& peer : peers_) {
        const TControl& control = peer->Control();
        if (!control.ShowHint() || control.Hint().empty()) {
            continue;
        }
        if (toolTip_ == nullptr) {
            toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                                       nullptr, Instance(), nullptr);
            SendMessageW(toolTip_, TTM_SETMAXTIPWIDTH, 0, 400);
        }
        std::wstring text = platform::win32::Wide(control.Hint());
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = GetParent(peer->Window());
        tool.uId = reinterpret_cast<UINT_PTR>(peer->Window());
        tool.lpszText = text.data();
        SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

Win32Peer* FormWindow::PeerOf(HWND control) const {
    for (const auto& peer : peers_) {
        if (peer->Window() == control) {
            return peer.get();
        }
    }
    return nullptr;
}

INT_PTR FormWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Initialise(window);
        // The form has set the focus itself.
        return form_.ActiveControl() == nullptr;
    case WM_COMMAND: {
        HWND control = reinterpret_cast<HWND>(lParam);
        if (control == nullptr) {
            // Enter and Escape without a control of that id, or a menu.
            if (LOWORD(wParam) == IDCANCEL) {
                form_.SetModalResult(ModalResult::mrCancel);
                form_.Close();
            }
            return TRUE;
        }
        if (Win32Peer* peer = PeerOf(control)) {
            peer->Command(HIWORD(wParam));
        }
        return TRUE;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (Win32Peer* peer = PeerOf(header->hwndFrom)) {
            SetWindowLongPtrW(window, DWLP_MSGRESULT, peer->Notify(header));
            return TRUE;
        }
        return FALSE;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (Win32Peer* peer = PeerOf(reinterpret_cast<HWND>(lParam))) {
            peer->Scroll(LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_PAINT:
        if (window == window_) {
            form_.FormPaint();
        }
        return FALSE;
    case WM_DPICHANGED:
        // The dialog manager moves, sizes and scales the window and its controls (per-monitor
        // awareness v2); the list columns are the program's own to scale.
        if (window == window_) {
            for (const auto& peer : peers_) {
                peer->DpiChanged(LOWORD(wParam));
            }
        }
        return FALSE;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        if (window == window_) {
            for (const auto& peer : peers_) {
                // Only top-level windows hear of new colours: the common controls are told.
                if (message == WM_SYSCOLORCHANGE) {
                    SendMessageW(peer->Window(), WM_SYSCOLORCHANGE, 0, 0);
                }
                peer->ColoursChanged();
            }
        }
        return FALSE;
    case WM_CLOSE:
        if (window == window_) {
            if (modal_) {
                form_.SetModalResult(ModalResult::mrCancel);
            }
            form_.Close();
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace toolkit::win32

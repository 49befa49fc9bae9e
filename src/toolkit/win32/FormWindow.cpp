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

#include <utility>

namespace toolkit::win32 {
namespace {

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

// Holds the form's drawing back while it lives, and gives back the earlier state on every path.
class DrawingHeld {
public:
    explicit DrawingHeld(bool& drawing)
        : drawing_(drawing), earlier_(std::exchange(drawing, true)) {}
    ~DrawingHeld() { drawing_ = earlier_; }
    DrawingHeld(const DrawingHeld&) = delete;
    DrawingHeld& operator=(const DrawingHeld&) = delete;

private:
    bool& drawing_;
    bool earlier_;
};

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
    // Showing a page for the first time makes its window, which can fail; the error is shown
    // here, since some callers draw from a window procedure of their own.
    Guarded([&] {
        // By index: showing a page for the first time adds the peers of its controls, which
        // are drawn in the same pass.
        for (std::size_t i = 0; i < peers_.size(); ++i) {
            Win32Peer& peer = *peers_[i];
            TControl& control = peer.Control();
            if (control.NeedsDrawing()) {
                control.MarkDrawn();
                peer.Refresh();
            }
        }
    });
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
    const std::size_t firstPeer = peers_.size();
    AttachPeers(window_);
    AddToolTips(firstPeer);
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
        const std::size_t pageSet = pageSets_.size();
        pageSets_.push_back({pages, tab, std::vector<HWND>(pages->Pages().size(), nullptr)});
        auto peer = std::make_unique<PageControlPeer>(
            *pages, tab, [this, pageSet](int index) { return MakePage(pageSet, index); });
        Win32Peer& attached = *peer;
        peers_.push_back(std::move(peer));
        // Shows the active page, which makes it.
        pages->AttachPeer(&attached);
    }
}

HWND FormWindow::MakePage(std::size_t pageSet, int index) {
    PageSet& set = pageSets_[pageSet];
    if (index < 0 || index >= static_cast<int>(set.windows.size())) {
        return nullptr;
    }
    // The new page and its controls send it messages while it is made; what they change is
    // drawn once it is made, not half way through, which would ask for the page again.
    const DrawingHeld held(drawing_);
    HWND& page = set.windows[index];
    if (page == nullptr) {
        page = CreateDialogParamW(Instance(),
                                  MAKEINTRESOURCEW(set.pages->Pages()[index]->TemplateId()),
                                  window_, &FormWindow::PageProc, reinterpret_cast<LPARAM>(this));
        if (page == nullptr) {
            return nullptr;
        }
        // The pages follow the tabs in the order of their tabs, as if all were made at once:
        // the dialog's tab order is the z-order.
        HWND after = set.tab;
        for (int earlier = index - 1; earlier >= 0; --earlier) {
            if (set.windows[earlier] != nullptr) {
                after = set.windows[earlier];
                break;
            }
        }
        // Measured now: a change of DPI may have moved the tabs since the start.
        RECT display;
        GetWindowRect(set.tab, &display);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&display), 2);
        TabCtrl_AdjustRect(set.tab, FALSE, &display);
        SetWindowPos(page, after, display.left, display.top, display.right - display.left,
                     display.bottom - display.top, SWP_NOACTIVATE);
    }
    // Also when asked again after an error stopped the attaching half way: a control that has
    // its peer is left as it is.
    const std::size_t firstPeer = peers_.size();
    AttachPeers(page);
    AddToolTips(firstPeer);
    // A control the program gave the focus before its page was made takes it now.
    if (TControl* active = form_.ActiveControl()) {
        for (std::size_t i = firstPeer; i < peers_.size(); ++i) {
            if (&peers_[i]->Control() == active) {
                peers_[i]->Focus();
                break;
            }
        }
    }
    return page;
}

void FormWindow::AttachPeers(HWND parent) {
    for (TControl* control : form_.Controls()) {
        if (control->Kind() == TControlKind::PageControl ||
            control->Kind() == TControlKind::TabSheet || control->HasPeer()) {
            continue;
        }
        HWND child = GetDlgItem(parent, control->Id());
        if (child == nullptr) {
            continue;
        }
        auto peer = MakePeer(*control, child);
        control->AttachPeer(peer.get());
        peers_.push_back(std::move(peer));
    }
}

void FormWindow::AddToolTips(std::size_t firstPeer) {
    if (!toolTipsWanted_) {
        return;
    }
    for (std::size_t i = firstPeer; i < peers_.size(); ++i) {
        const Win32Peer& peer = *peers_[i];
        const TControl& control = peer.Control();
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
        tool.hwnd = GetParent(peer.Window());
        tool.uId = reinterpret_cast<UINT_PTR>(peer.Window());
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
    case WM_SETCURSOR:
        // The tool tips are made when the mouse first comes over the window: the window opens
        // without waiting for them, and one used from the keyboard never needs them.
        if (!toolTipsWanted_) {
            toolTipsWanted_ = true;
            AddToolTips(0);
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

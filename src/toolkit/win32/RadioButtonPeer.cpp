#include "toolkit/win32/RadioButtonPeer.h"

namespace toolkit::win32 {

RadioButtonPeer::RadioButtonPeer(TRadioButton& button, HWND window)
    : Win32Peer(button, window), button_(button) {
    // The dialog manager moves an arrow key only inside a group of the template, and a group
    // also holds what stands between its buttons (a panel, a label): the group's own order
    // is the button's to follow.
    if (button_.TakesArrows()) {
        SetWindowSubclass(window_, &RadioButtonPeer::SubclassProc, 1,
                          reinterpret_cast<DWORD_PTR>(this));
    }
}

RadioButtonPeer::~RadioButtonPeer() {
    if (button_.TakesArrows()) {
        RemoveWindowSubclass(window_, &RadioButtonPeer::SubclassProc, 1);
    }
}

void RadioButtonPeer::Refresh() {
    RefreshCommon(true);
    SendMessageW(window_, BM_SETCHECK, button_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButtonPeer::Command(WORD code) {
    if (code == BN_CLICKED) {
        button_.UserClick();
    }
}

LRESULT CALLBACK RadioButtonPeer::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<RadioButtonPeer*>(data);
    if (message == WM_GETDLGCODE) {
        return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTARROWS;
    }
    if (message == WM_KEYDOWN) {
        const int step = wParam == VK_DOWN || wParam == VK_RIGHT ? 1
                         : wParam == VK_UP || wParam == VK_LEFT  ? -1
                                                                 : 0;
        if (step != 0) {
            return self->Handled([&] {
                self->button_.UserArrow(step);
                return LRESULT{0};
            });
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace toolkit::win32

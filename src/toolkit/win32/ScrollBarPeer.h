// The Win32 side of TScrollBar: a scroll bar control that reports through WM_HSCROLL and
// WM_VSCROLL to its dialog. A screen reader hears its name and its value (the position with
// its unit) from the bar object, not the system's percentage.
#pragma once

#include "toolkit/ScrollBar.h"
#include "toolkit/win32/AccessibleWindow.h"
#include "toolkit/win32/Peers.h"

namespace toolkit::win32 {

class ScrollBarPeer : public Win32Peer {
public:
    ScrollBarPeer(TScrollBar& bar, HWND window)
        : Win32Peer(bar, window), bar_(bar), accessible_(window, bar) {}
    void Refresh() override;
    void Scroll(WORD code) override;

private:
    TScrollBar& bar_;
    AccessibleWindow accessible_;
};

} // namespace toolkit::win32

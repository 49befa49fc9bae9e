// The Win32 side of TScrollBar: a scroll bar control that reports through WM_HSCROLL and
// WM_VSCROLL to its dialog.
#pragma once

#include "toolkit/ScrollBar.h"
#include "toolkit/win32/Peers.h"

namespace toolkit::win32 {

class ScrollBarPeer : public Win32Peer {
public:
    ScrollBarPeer(TScrollBar& bar, HWND window) : Win32Peer(bar, window), bar_(bar) {}
    void Refresh() override;
    void Scroll(WORD code) override;

private:
    TScrollBar& bar_;
};

} // namespace toolkit::win32

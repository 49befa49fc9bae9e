// The tab control of a page control with its pages as child dialogs.
#pragma once

#include "toolkit/PageControl.h"
#include "toolkit/win32/Peers.h"

#include <vector>

namespace toolkit::win32 {

class PageControlPeer : public Win32Peer {
public:
    PageControlPeer(TPageControl& pages, HWND tab, std::vector<HWND> pageWindows);
    void Refresh() override;
    LRESULT Notify(NMHDR* header) override;

private:
    TPageControl& pages_;
    std::vector<HWND> pageWindows_;
};

} // namespace toolkit::win32

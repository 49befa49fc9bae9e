// The tab control of a page control with its pages as child dialogs. A page's dialog is made
// the first time the page is shown; the form's window makes it and owns it.
#pragma once

#include "toolkit/PageControl.h"
#include "toolkit/win32/Peers.h"

#include <functional>
#include <vector>

namespace toolkit::win32 {

class PageControlPeer : public Win32Peer {
public:
    // Makes the window of the page with the index, placed and with its controls attached;
    // null when it cannot be made.
    using PageMaker = std::function<HWND(int index)>;
    PageControlPeer(TPageControl& pages, HWND tab, PageMaker makePage);
    void Refresh() override;
    LRESULT Notify(NMHDR* header) override;

private:
    TPageControl& pages_;
    PageMaker makePage_;
    // The pages' windows once made and attached in full; null for a page not shown yet. The
    // form keeps each window from its making: a page whose attaching an error stopped half way
    // keeps its window there and is finished the next time it is shown.
    std::vector<HWND> pageWindows_;
};

} // namespace toolkit::win32

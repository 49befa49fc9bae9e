#include "toolkit/win32/PageControlPeer.h"

#include "platform/win32/WideText.h"

#include <commctrl.h>

namespace toolkit::win32 {

PageControlPeer::PageControlPeer(TPageControl& pages, HWND tab, PageMaker makePage)
    : Win32Peer(pages, tab), pages_(pages), makePage_(std::move(makePage)),
      pageWindows_(pages.Pages().size(), nullptr) {
    for (std::size_t i = 0; i < pages_.Pages().size(); ++i) {
        std::wstring caption = platform::win32::Wide(pages_.Pages()[i]->Caption());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

void PageControlPeer::Refresh() {
    const int active = pages_.ActivePageIndex();
    if (SendMessageW(window_, TCM_GETCURSEL, 0, 0) != active) {
        SendMessageW(window_, TCM_SETCURSEL, static_cast<WPARAM>(active), 0);
    }
    if (active >= 0 && active < static_cast<int>(pageWindows_.size()) &&
        pageWindows_[active] == nullptr) {
        pageWindows_[active] = makePage_(active);
    }
    const HWND focus = GetFocus();
    for (std::size_t i = 0; i < pageWindows_.size(); ++i) {
        if (pageWindows_[i] == nullptr) {
            continue;
        }
        const bool shown = static_cast<int>(i) == active;
        ShowWindow(pageWindows_[i], shown ? SW_SHOWNA : SW_HIDE);
        // The focus must not stay on a control nobody sees.
        if (!shown && focus != nullptr && IsChild(pageWindows_[i], focus)) {
            SetFocus(window_);
        }
    }
    // The caption is never shown; it names the row of tabs for a screen reader.
    RefreshCommon(true);
}

LRESULT PageControlPeer::Notify(NMHDR* header) {
    if (header->code == TCN_SELCHANGE) {
        const int index = static_cast<int>(SendMessageW(window_, TCM_GETCURSEL, 0, 0));
        pages_.UserSelectPage(index);
        Refresh();
    }
    return 0;
}

} // namespace toolkit::win32

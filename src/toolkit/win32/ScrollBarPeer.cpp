#include "toolkit/win32/ScrollBarPeer.h"

namespace toolkit::win32 {

void ScrollBarPeer::Refresh() {
    RefreshCommon(false);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    info.nMin = bar_.Min();
    info.nMax = bar_.Max();
    info.nPage = 0;
    info.nPos = bar_.Position();
    SetScrollInfo(window_, SB_CTL, &info, TRUE);
    accessible_.TellChanges();
}

void ScrollBarPeer::Scroll(WORD code) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(window_, SB_CTL, &info);
    switch (code) {
    case SB_LINELEFT:
        bar_.UserScroll(TScrollCode::LineUp);
        break;
    case SB_LINERIGHT:
        bar_.UserScroll(TScrollCode::LineDown);
        break;
    case SB_PAGELEFT:
        bar_.UserScroll(TScrollCode::PageUp);
        break;
    case SB_PAGERIGHT:
        bar_.UserScroll(TScrollCode::PageDown);
        break;
    case SB_THUMBTRACK:
        bar_.UserScroll(TScrollCode::Track, info.nTrackPos);
        break;
    case SB_THUMBPOSITION:
        bar_.UserScroll(TScrollCode::Position, info.nTrackPos);
        break;
    case SB_LEFT:
        bar_.UserScroll(TScrollCode::Top);
        break;
    case SB_RIGHT:
        bar_.UserScroll(TScrollCode::Bottom);
        break;
    default:
        break;
    }
}

} // namespace toolkit::win32

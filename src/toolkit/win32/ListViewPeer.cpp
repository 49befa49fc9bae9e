#include "toolkit/win32/ListViewPeer.h"

#include "platform/Services.h"
#include "platform/win32/WideText.h"
#include "toolkit/ErrorDisplay.h"
#include "toolkit/Form.h"

#include <commctrl.h>

namespace toolkit::win32 {
namespace {

using platform::win32::Narrow;
using platform::win32::Wide;

TShiftState CurrentShiftState() {
    TShiftState state = 0;
    auto down = [](std::uint32_t key) { return platform::Keys().IsDown(key); };
    if (down(VK_SHIFT)) {
        state |= ssShift;
    }
    if (down(VK_CONTROL)) {
        state |= ssCtrl;
    }
    if (down(VK_MENU)) {
        state |= ssAlt;
    }
    if (down(VK_LBUTTON)) {
        state |= ssLeft;
    }
    if (down(VK_RBUTTON)) {
        state |= ssRight;
    }
    if (down(VK_MBUTTON)) {
        state |= ssMiddle;
    }
    return state;
}

} // namespace

ListViewPeer::ListViewPeer(TListView& list, HWND window)
    : Win32Peer(list, window), list_(list), dpi_(WindowDpi(window)) {
    ListView_SetExtendedListViewStyle(window_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (std::size_t i = 0; i < list_.Columns.size(); ++i) {
        std::wstring caption = Wide(list_.Columns[i].Caption);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = caption.data();
        column.cx = Scaled(list_.Columns[i].Width);
        column.iSubItem = static_cast<int>(i);
        SendMessageW(window_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    // A list view reports no key releases of its own.
    SetWindowSubclass(window_, &ListViewPeer::SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

ListViewPeer::~ListViewPeer() {
    RemoveWindowSubclass(window_, &ListViewPeer::SubclassProc, 1);
}

void ListViewPeer::Refresh() {
    refreshing_ = true;
    RefreshCommon(false);
    const int count = list_.Count();
    if (ListView_GetItemCount(window_) != count) {
        ListView_SetItemCountEx(window_, count, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    }
    const int selected = list_.Selected();
    const int focused = list_.ItemFocused();
    const int shownSelected = ListView_GetNextItem(window_, -1, LVNI_SELECTED);
    if (shownSelected != selected) {
        ListView_SetItemState(window_, -1, 0, LVIS_SELECTED);
    }
    if (selected >= 0) {
        ListView_SetItemState(window_, selected, LVIS_SELECTED, LVIS_SELECTED);
    }
    if (focused >= 0) {
        ListView_SetItemState(window_, focused, LVIS_FOCUSED, LVIS_FOCUSED);
    }
    // Scrolled to once, when a command asked: later changes leave the scroll position alone.
    if (const int row = list_.TakeRowToShow(); row >= 0) {
        ListView_EnsureVisible(window_, row, TRUE);
    }
    InvalidateRect(window_, nullptr, FALSE);
    refreshing_ = false;
}

LRESULT ListViewPeer::Notify(NMHDR* header) {
    switch (header->code) {
    case LVN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
        const TListModel* model = list_.Model();
        if (model != nullptr && (info->item.mask & LVIF_TEXT) != 0 && info->item.iItem >= 0 &&
            info->item.iItem < model->RowCount()) {
            textBuffer_ = Wide(model->CellText(info->item.iItem, info->item.iSubItem));
            lstrcpynW(info->item.pszText, textBuffer_.c_str(), info->item.cchTextMax);
        }
        return 0;
    }
    case LVN_ODFINDITEMW:
        return FindItem(*reinterpret_cast<NMLVFINDITEMW*>(header));
    case LVN_ITEMCHANGED: {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        if (!refreshing_ && (change->uChanged & LVIF_STATE) != 0) {
            list_.UserSelect(ListView_GetNextItem(window_, -1, LVNI_SELECTED));
        }
        return 0;
    }
    case LVN_ODSTATECHANGED:
        if (!refreshing_) {
            list_.UserSelect(ListView_GetNextItem(window_, -1, LVNI_SELECTED));
        }
        return 0;
    case NM_DBLCLK:
        list_.UserDblClick();
        return 0;
    case NM_SETFOCUS:
        list_.Form().SetActiveControl(&list_);
        return 0;
    default:
        return 0;
    }
}

// Typing in the list (its incremental search) and LVM_FINDITEM ask the owner of a virtual
// list for the row; only text searches can be answered.
LRESULT ListViewPeer::FindItem(const NMLVFINDITEMW& request) const {
    const LVFINDINFOW& find = request.lvfi;
    if ((find.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.psz == nullptr) {
        return -1;
    }
    // LVFI_SUBSTRING, which newer headers name, means the same as LVFI_PARTIAL.
    constexpr UINT kSubstring = 0x0004;
    const auto match = (find.flags & (LVFI_PARTIAL | kSubstring)) != 0
                           ? TListView::TFindMatch::Prefix
                           : TListView::TFindMatch::Whole;
    bool lossy = false;
    const std::string typed = Narrow(find.psz, wcslen(find.psz), &lossy);
    // A character outside code page 1252 is in no row.
    if (lossy) {
        return -1;
    }
    return list_.FindRow(typed, request.iStart, match, (find.flags & LVFI_WRAP) != 0);
}

// Widths are given for 96 dots per inch.
int ListViewPeer::Scaled(int width) const {
    return MulDiv(width, dpi_, 96);
}

void ListViewPeer::DpiChanged(int dpi) {
    if (dpi <= 0 || dpi == dpi_) {
        return;
    }
    // Widths the user has set keep their size relative to the text.
    for (std::size_t i = 0; i < list_.Columns.size(); ++i) {
        const int width = ListView_GetColumnWidth(window_, static_cast<int>(i));
        ListView_SetColumnWidth(window_, static_cast<int>(i), MulDiv(width, dpi, dpi_));
    }
    dpi_ = dpi;
}

LRESULT CALLBACK ListViewPeer::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<ListViewPeer*>(data);
    if (message == WM_NOTIFY) {
        // The header asks before a column changes its width: not below the column's minimum.
        const auto* header = reinterpret_cast<const NMHEADERW*>(lParam);
        if ((header->hdr.code == HDN_ITEMCHANGINGW || header->hdr.code == HDN_ITEMCHANGINGA) &&
            header->pitem != nullptr && (header->pitem->mask & HDI_WIDTH) != 0 &&
            header->iItem >= 0 && header->iItem < static_cast<int>(self->list_.Columns.size()) &&
            header->pitem->cxy < self->Scaled(self->list_.Columns[header->iItem].MinWidth)) {
            return TRUE;
        }
    }
    if (message == WM_KEYUP) {
        const auto key = static_cast<std::uint16_t>(wParam);
        Guarded([&] {
            self->list_.UserKeyUp(key, CurrentShiftState());
            self->list_.Form().DrawChanges();
        });
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace toolkit::win32

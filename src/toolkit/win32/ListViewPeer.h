// The list view as a virtual (owner-data) report list: the window asks the list's model for
// the text of the rows it draws and holds no copy of them. Column widths follow the DPI of
// the monitor the window is on.
#pragma once

#include "toolkit/ListView.h"
#include "toolkit/win32/Peers.h"

#include <commctrl.h>

#include <string>

namespace toolkit::win32 {

class ListViewPeer : public Win32Peer {
public:
    ListViewPeer(TListView& list, HWND window);
    ~ListViewPeer() override;
    void Refresh() override;
    LRESULT Notify(NMHDR* header) override;
    void DpiChanged(int dpi) override;

private:
    int Scaled(int width) const;
    LRESULT FindItem(const NMLVFINDITEMW& request) const;
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    TListView& list_;
    std::wstring textBuffer_;
    bool refreshing_ = false;
    int dpi_;
};

} // namespace toolkit::win32

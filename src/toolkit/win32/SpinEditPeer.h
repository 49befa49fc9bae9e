// The Win32 side of TSpinEdit: the dialog's edit, subclassed to filter and step, with a
// pair of arrow buttons made as a child window at its right edge. The edit's text area
// ends before the arrows, so text never runs under them.
#pragma once

#include "toolkit/SpinEdit.h"
#include "toolkit/win32/Peers.h"

namespace toolkit::win32 {

class SpinEditPeer : public Win32Peer {
public:
    SpinEditPeer(TSpinEdit& spin, HWND edit);
    ~SpinEditPeer() override;
    SpinEditPeer(const SpinEditPeer&) = delete;
    SpinEditPeer& operator=(const SpinEditPeer&) = delete;

    void Refresh() override;
    void Command(WORD code) override;
    HWND Arrows() const { return arrows_; }

private:
    static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR data);
    static LRESULT CALLBACK ArrowsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleEdit(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleArrows(UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    RECT HalfRect(TSpinHalf half) const;
    void PaintArrows();

    TSpinEdit& spin_;
    HWND arrows_ = nullptr; // a child of the edit, destroyed with it
    bool refreshing_ = false;
    bool subclassed_ = false;
    TSpinHalf pressed_ = TSpinHalf::Up;
};

} // namespace toolkit::win32

// The Win32 side of TSpinEdit: the dialog's edit, subclassed to filter and step, with a
// pair of arrow buttons made as a child window at its right edge. The edit's text area
// ends before the arrows, so text never runs under them. The arrows are one part of the field
// for a screen reader: a spin button named and valued as the field.
#pragma once

#include "toolkit/SpinEdit.h"
#include "toolkit/win32/AccessibleWindow.h"
#include "toolkit/win32/EditPeer.h"

#include <memory>

namespace toolkit::win32 {

class SpinEditPeer : public EditPeer {
public:
    SpinEditPeer(TSpinEdit& spin, HWND edit);
    ~SpinEditPeer() override;

    void Refresh() override;
    void ColoursChanged() override;
    HWND Arrows() const { return arrows_; }

protected:
    LRESULT HandleEdit(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK ArrowsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleArrows(UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    RECT HalfRect(TSpinHalf half) const;
    void PaintArrows();

    TSpinEdit& spin_;
    HWND arrows_ = nullptr; // a child of the edit, destroyed with it
    std::unique_ptr<AccessibleWindow> accessibleArrows_;
    TSpinHalf pressed_ = TSpinHalf::Up;
};

} // namespace toolkit::win32

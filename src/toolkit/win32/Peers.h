// The Win32 side of the control objects: a peer per control keeps the real control and
// the object in step.
#pragma once

#include "toolkit/Control.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace toolkit::win32 {

class Win32Peer : public ControlPeer {
public:
    Win32Peer(TControl& control, HWND window) : control_(control), window_(window) {}
    // A peer stands for one window; one that subclasses it must not be copied.
    Win32Peer(const Win32Peer&) = delete;
    Win32Peer& operator=(const Win32Peer&) = delete;
    HWND Window() const { return window_; }
    TControl& Control() const { return control_; }
    void Focus() override { SetFocus(window_); }
    void Refresh() override;
    // A WM_COMMAND notification from the control.
    virtual void Command(WORD /*code*/) {}
    // A WM_NOTIFY from the control; the result for the dialog.
    virtual LRESULT Notify(NMHDR* /*header*/) { return 0; }
    // A WM_HSCROLL or WM_VSCROLL from the control.
    virtual void Scroll(WORD /*code*/) {}
    // The window moved to a monitor with another DPI (dots per inch).
    virtual void DpiChanged(int /*dpi*/) {}
    // The system's colours or its theme changed (high contrast on or off): what the peer
    // draws itself is drawn again in the new colours.
    virtual void ColoursChanged() { InvalidateRect(window_, nullptr, TRUE); }

protected:
    void RefreshCommon(bool withText);
    // Handles a message to a window of the peer's own: through the error boundary, so that
    // no exception crosses the window procedure (0 when the handler failed), then draws
    // what the handler changed.
    LRESULT Handled(const std::function<LRESULT()>& handler);
    TControl& control_;
    HWND window_;
};

// The dots per inch of the monitor the window is on.
int WindowDpi(HWND window);
// The window's text in code page 1252; *lossy (when given) tells whether a character of it
// had no place there.
std::string WindowText(HWND window, bool* lossy = nullptr);

// Makes the peer that fits the control's kind.
std::unique_ptr<Win32Peer> MakePeer(TControl& control, HWND window);

} // namespace toolkit::win32

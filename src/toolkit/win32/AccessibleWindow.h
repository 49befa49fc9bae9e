// Makes a control window answer a screen reader from its control object: it subclasses
// the window to answer WM_GETOBJECT for the client area with an AccessibleServer, and raises
// the events that say the value or the description changed.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/win32/AccessibleServer.h"
#include "toolkit/win32/ComPtr.h"

#include <windows.h>

#include <string>

namespace toolkit::win32 {

// The thread's COM apartment, entered for as long as the owner lives: a server is handed
// to its client by COM. A thread already in another apartment stays in it.
class ComApartment {
public:
    ComApartment() = default;
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    void Enter();

private:
    bool entered_ = false;
};

class AccessibleWindow {
public:
    // role 0: the system's role for the window.
    AccessibleWindow(HWND window, const TControl& control, LONG role = 0);
    ~AccessibleWindow();
    AccessibleWindow(const AccessibleWindow&) = delete;
    AccessibleWindow& operator=(const AccessibleWindow&) = delete;

    // Raises EVENT_OBJECT_VALUECHANGE and EVENT_OBJECT_DESCRIPTIONCHANGE for what changed
    // since the last call (since the window was made, at first).
    void TellChanges();

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    // The answer to WM_GETOBJECT for the client area; 0 leaves it to the window.
    LRESULT ServeClient(WPARAM wParam);

    HWND window_;
    const TControl& control_;
    LONG role_;
    bool subclassed_ = false;
    ComApartment apartment_;
    ComPtr<AccessibleServer> server_; // made at the first question
    std::string toldValue_;
    std::string toldDescription_;
};

} // namespace toolkit::win32

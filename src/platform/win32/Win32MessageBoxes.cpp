#include "platform/win32/Win32MessageBoxes.h"

#include "platform/win32/WideText.h"

#include <windows.h>

namespace platform::win32 {

void Win32MessageBoxes::Beep(SystemSound sound) {
    switch (sound) {
    case SystemSound::Hand:
        ::MessageBeep(MB_ICONHAND);
        break;
    case SystemSound::Question:
        ::MessageBeep(MB_ICONQUESTION);
        break;
    case SystemSound::Default:
        ::MessageBeep(MB_OK);
        break;
    }
}

bool Win32MessageBoxes::Show(BoxKind kind, const std::string& text, const std::string& title) {
    UINT style = 0;
    switch (kind) {
    case BoxKind::Info:
        style = MB_OK | MB_ICONINFORMATION;
        break;
    case BoxKind::Error:
        style = MB_OK | MB_ICONERROR;
        break;
    case BoxKind::YesNo:
        style = MB_YESNO | MB_ICONQUESTION;
        break;
    case BoxKind::YesNoDefaultNo:
        style = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
        break;
    case BoxKind::Plain:
        style = MB_OK;
        break;
    }
    // The box belongs to the window the user works in, which it disables while it is shown.
    // Without one (during installation, before any window exists) it is modal to all the
    // windows of this thread instead.
    const HWND owner = ::GetActiveWindow();
    if (owner == nullptr) {
        style |= MB_TASKMODAL;
    }
    // The box hands the focus back to whatever its owner restores, not to the control the
    // user was on: that control gets it back, if it is still there to take it.
    const HWND focus = ::GetFocus();
    const int answer = ::MessageBoxW(owner, Wide(text).c_str(), Wide(title).c_str(), style);
    if (focus != nullptr && ::IsWindowVisible(focus) && ::IsWindowEnabled(focus) &&
        ::GetFocus() != focus) {
        ::SetFocus(focus);
    }
    return kind == BoxKind::YesNo || kind == BoxKind::YesNoDefaultNo ? answer == IDYES
                                                                     : answer == IDOK;
}

} // namespace platform::win32

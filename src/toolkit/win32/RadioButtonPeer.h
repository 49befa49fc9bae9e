// The Win32 side of a radio button: its checked state, its clicks, and the arrow keys that
// move between the buttons of its group.
#pragma once

#include "toolkit/RadioButton.h"
#include "toolkit/win32/Peers.h"

#include <commctrl.h>

namespace toolkit::win32 {

class RadioButtonPeer : public Win32Peer {
public:
    RadioButtonPeer(TRadioButton& button, HWND window);
    ~RadioButtonPeer() override;
    void Refresh() override;
    void Command(WORD code) override;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    TRadioButton& button_;
};

} // namespace toolkit::win32

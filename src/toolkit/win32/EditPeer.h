// The Win32 side of TEdit: the dialog's edit, subclassed so that each typed character is
// the edit object's to accept. A typed character that code page 1252 cannot hold is
// refused with the default beep; text of such characters that arrives otherwise (pasted)
// is refused as a whole, with the error beep.
#pragma once

#include "toolkit/Edit.h"
#include "toolkit/win32/Peers.h"

namespace toolkit::win32 {

class EditPeer : public Win32Peer {
public:
    EditPeer(TEdit& edit, HWND window);
    ~EditPeer() override;

    void Refresh() override;
    void Command(WORD code) override;

protected:
    // A message to the edit, through the error boundary; the edit's own handling by default.
    virtual LRESULT HandleEdit(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT EditDefault(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR data);

    TEdit& edit_;
    bool refreshing_ = false;
    bool subclassed_ = false;
};

} // namespace toolkit::win32

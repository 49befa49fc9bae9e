// The Win32 side of THotKey: the common controls' hot-key field, which records every
// combination with a modifier as the key alone. A screen reader hears the key's name as its
// value and the field's description from the key object.
#pragma once

#include "toolkit/HotKey.h"
#include "toolkit/win32/AccessibleWindow.h"
#include "toolkit/win32/Peers.h"

namespace toolkit::win32 {

class HotKeyPeer : public Win32Peer {
public:
    HotKeyPeer(THotKey& hotKey, HWND window);
    void Refresh() override;
    void Command(WORD code) override;

private:
    THotKey& hotKey_;
    AccessibleWindow accessible_;
};

} // namespace toolkit::win32

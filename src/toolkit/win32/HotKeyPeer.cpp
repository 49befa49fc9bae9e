#include "toolkit/win32/HotKeyPeer.h"

#include <commctrl.h>

namespace toolkit::win32 {

HotKeyPeer::HotKeyPeer(THotKey& hotKey, HWND window)
    : Win32Peer(hotKey, window), hotKey_(hotKey), accessible_(window, hotKey) {
    // Every combination with a modifier counts as the key alone.
    SendMessageW(window_, HKM_SETRULES,
                 HKCOMB_S | HKCOMB_C | HKCOMB_A | HKCOMB_SC | HKCOMB_SA | HKCOMB_CA | HKCOMB_SCA,
                 0);
}

void HotKeyPeer::Refresh() {
    RefreshCommon(false);
    const auto shown = static_cast<WORD>(SendMessageW(window_, HKM_GETHOTKEY, 0, 0));
    if (shown != hotKey_.Key()) {
        SendMessageW(window_, HKM_SETHOTKEY, hotKey_.Key(), 0);
    }
    accessible_.TellChanges();
}

void HotKeyPeer::Command(WORD code) {
    if (code == EN_CHANGE) {
        const auto value = static_cast<WORD>(SendMessageW(window_, HKM_GETHOTKEY, 0, 0));
        hotKey_.UserPressed(LOBYTE(value));
    }
}

} // namespace toolkit::win32

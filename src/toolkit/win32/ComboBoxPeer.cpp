#include "toolkit/win32/ComboBoxPeer.h"

#include "platform/win32/WideText.h"

namespace toolkit::win32 {

void ComboBoxPeer::Refresh() {
    RefreshCommon(false);
    if (shownItems_ != combo_.Items) {
        SendMessageW(window_, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : combo_.Items) {
            SendMessageW(window_, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(platform::win32::Wide(item).c_str()));
        }
        shownItems_ = combo_.Items;
    }
    if (SendMessageW(window_, CB_GETCURSEL, 0, 0) != combo_.ItemIndex()) {
        SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
    }
}

void ComboBoxPeer::Command(WORD code) {
    if (code == CBN_SELCHANGE) {
        combo_.UserSelect(static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0)));
    }
}

} // namespace toolkit::win32

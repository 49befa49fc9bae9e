// The Win32 side of TComboBox: a drop-down list that is filled again only when its items
// changed.
#pragma once

#include "toolkit/ComboBox.h"
#include "toolkit/win32/Peers.h"

#include <string>
#include <vector>

namespace toolkit::win32 {

class ComboBoxPeer : public Win32Peer {
public:
    ComboBoxPeer(TComboBox& combo, HWND window) : Win32Peer(combo, window), combo_(combo) {}
    void Refresh() override;
    void Command(WORD code) override;

private:
    TComboBox& combo_;
    std::vector<std::string> shownItems_;
};

} // namespace toolkit::win32

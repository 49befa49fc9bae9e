// TUnInstallForm: the modal dialog "Tastor32 deinstallieren" in which the user chooses what
// the uninstallation removes, and TRemoveItems, the choice.
#pragma once

#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"

#include <cstdint>

namespace setup {

enum TRemoveItem : std::uint8_t { riFiles, riAutostart, riSettings, riSounds, riMacros };

// A set of TRemoveItem, item n in bit n.
class TRemoveItems {
public:
    constexpr TRemoveItems() = default;
    constexpr explicit TRemoveItems(std::uint8_t bits) : bits_(bits) {}
    static constexpr TRemoveItems All() { return TRemoveItems(0x1F); }

    constexpr void Include(TRemoveItem item) { bits_ |= Bit(item); }
    constexpr bool Contains(TRemoveItem item) const { return (bits_ & Bit(item)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool operator==(const TRemoveItems&) const = default;

private:
    static constexpr std::uint8_t Bit(TRemoveItem item) {
        return static_cast<std::uint8_t>(1u << item);
    }
    std::uint8_t bits_ = 0;
};

class TUnInstallForm : public toolkit::TForm {
public:
    TUnInstallForm();

    toolkit::TGroupBox OptionsRG;
    toolkit::TCheckBox FilesCB;
    toolkit::TCheckBox AutostartCB;
    toolkit::TCheckBox SettingsCB;
    toolkit::TCheckBox SoundCB;
    toolkit::TCheckBox MacrosCB;
    toolkit::TButton OkBtn;
    toolkit::TButton CancelBtn;

    // Filled by OkBtnClick.
    TRemoveItems RemoveItems;

    // The checked boxes, a disabled one included, in their order.
    void OkBtnClick();
};

// Shows the dialog; the chosen items for OK, the empty set for Cancel or closing.
TRemoveItems AskRemoveItems();

} // namespace setup

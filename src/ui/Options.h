// The options of the settings window: the switches of the page "Optionen", the sound mode
// and the decimal character, loaded from and saved to the settings key.
#pragma once

#include "platform/Registry.h"
#include "settings/SettingsStore.h"

#include <string>
#include <vector>

namespace ui {

struct TOptions {
    bool EasyBackslash = false;
    bool EasyTab = false;
    bool NumDot = false;
    bool Beep = false;
    bool HideIcon = false;
    bool LockNum = false;
    bool Enabled = false;
    bool UseSpeaker = false;
    // The decimal character as read, with the store's own characters when the edit cannot
    // show them: an unedited text goes back untouched. "." until a load reads it.
    platform::RegValue DecimalDot{static_cast<std::uint32_t>(platform::RegType::Sz), {'.'}};

    // The decimal character as the edit shows it.
    std::string DecimalDotText() const;
    // Takes the edit's text; only a changed text replaces what was read.
    void SetDecimalDotText(const std::string& text);
};

struct TOptionsLoad {
    TOptions Options;
    // Why the settings key could not be read (empty when it was): its options are then
    // not to be saved, so that no save overwrites what the user could not see.
    std::string KeyError;
    // Each value that could not be read, with the reason, in reading order; such a value
    // loads as off (the decimal character as "."), and the others still load.
    std::vector<std::string> ValueErrors;
};

// Opens the settings key for reading and reads the options. On the NT family the PC
// speaker is off whatever is stored.
TOptionsLoad LoadOptions(settings::TSettingsStore& store, bool isWinNT);
// Writes every switch as 0 or 1 and the decimal character as REG_SZ, opening the settings
// key for writing. A failing write raises the store error.
void SaveOptions(settings::TSettingsStore& store, const TOptions& options);

} // namespace ui

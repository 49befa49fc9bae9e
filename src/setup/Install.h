// The first-run installation, run for "/I" or when the settings hold no first-run marker:
// writes the default settings, starts the driver and offers its autostart.
#pragma once

#include "macros/KeyCode.h"
#include "settings/Registry.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"

#include <cstdint>
#include <string>

namespace setup {

// Asks before overwriting existing settings (not in quiet mode); declined, only the options,
// the speaker records and the program start of this program are rewritten. A failing write
// ends the installation with the store error.
void RunInstall(const settings::TStartupState& state, settings::TSettingsStore& store);

// Writes the text as REG_SZ named by the key code into the accessor's open key.
void WriteMacroValue(settings::TRegistry& reg, macros::TKeyCode code, const std::string& text);
// The key code of an umlaut-table entry: unlike a macro key it keeps the all-capitals bit.
macros::TKeyCode UmlautKeyCode(std::uint16_t virtualKey, std::uint8_t modifiers);

} // namespace setup

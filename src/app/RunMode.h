// The run mode: chosen once at start-up from the command line and the settings store.
#pragma once

#include "settings/SettingsStore.h"
#include "settings/StartupState.h"

#include <string>

namespace app {

inline constexpr const char* kApplicationTitle = "TSetup - Einstellungsprogramm für Tastor32";

// True when a command-line parameter, in upper case, is "/" followed by the letter.
bool HasSwitch(const std::string& letter);

// The start-up state of this run: install for "/I" or a store without the first-run
// marker, uninstall for "/U" (which wins), quiet for "/Q".
settings::TStartupState ChooseStartupState(bool isWinNT, settings::TSettingsStore& store);

} // namespace app

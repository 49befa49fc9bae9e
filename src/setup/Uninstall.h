// The uninstallation, run for "/U": stops the driver and removes the chosen groups of its
// settings from the registry of the current user. No file is deleted.
#pragma once

#include "settings/Registry.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"

#include <string>

namespace setup {

// Quiet mode removes everything without asking; otherwise the user chooses, and an empty
// choice (Cancel) ends at once with the driver left running and nothing deleted.
void RunUninstall(const settings::TStartupState& state, settings::TSettingsStore& store);

// Deletes the key with everything below it; a failure, a missing key included, is shown
// in an error box that names the path as given.
void RemoveKey(settings::TRegistry& reg, const std::string& path);

} // namespace setup

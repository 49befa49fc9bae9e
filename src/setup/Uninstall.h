// The uninstallation, run for "/U".
#pragma once

#include "settings/StartupState.h"

namespace setup {

void RunUninstall(const settings::TStartupState& state);

} // namespace setup

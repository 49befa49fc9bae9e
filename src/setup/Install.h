// The first-run installation, run for "/I" or when the settings hold no first-run marker.
#pragma once

#include "settings/StartupState.h"

namespace setup {

void RunInstall(const settings::TStartupState& state);

} // namespace setup

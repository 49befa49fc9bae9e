// The first-run installation, run for "/I" or when the settings hold no first-run marker.
#pragma once

namespace setup {

void RunInstall();

} // namespace setup

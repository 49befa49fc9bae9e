// The uninstallation, run for "/U".
#pragma once

namespace setup {

void RunUninstall();

} // namespace setup

#include "setup/Uninstall.h"

namespace setup {

// Removing the settings is not written yet: the uninstallation does nothing so far.
void RunUninstall(const settings::TStartupState&) {}

} // namespace setup

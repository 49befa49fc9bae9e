#include "setup/Install.h"

namespace setup {

// The first-run defaults are not written yet: the installation does nothing so far, and
// the settings window follows as usual.
void RunInstall(const settings::TStartupState&) {}

} // namespace setup

// The single-instance rule: the lock named after the program file, and handing over to
// the instance that already runs.
#pragma once

#include <string>

namespace app {

// The program file's name without its path; an upper-case ".EXE" in it takes the last
// four characters off.
std::string InstanceName();
// Creates the process-lifetime lock named InstanceName; true when it already existed, that
// is when another instance runs.
bool CheckInstance();
// Restores and raises the window of the instance that already runs.
void ActivatePreviousInstance();

} // namespace app

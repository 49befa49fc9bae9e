// The program's start-up order, its body and its end.
#pragma once

#include "settings/SettingsStore.h"

#include <memory>

namespace app {

// What the steps before the program body found and made.
struct TProcessStart {
    bool IsWinNT = true;
    bool IsSecondInstance = false;
    // Open from start-up until ShutDown.
    std::unique_ptr<settings::TSettingsStore> Store;
};

// Steps before the program body: the operating-system check, the instance lock and the
// settings store.
TProcessStart StartUp();
// The program body: hands over to a running instance, or runs the chosen mode. Returns the
// process exit code.
int RunProgram(TProcessStart& start);
// Releases the settings store.
void ShutDown(TProcessStart& start);

} // namespace app

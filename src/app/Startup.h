// The program's start-up order, its body and its end.
#pragma once

namespace app {

// What the steps before the program body found.
struct TProcessStart {
    bool IsWinNT = true;
    bool IsSecondInstance = false;
};

// Steps before the program body: the operating-system check, the instance lock and the
// settings store.
TProcessStart StartUp();
// The program body: hands over to a running instance, or runs the chosen mode. Returns the
// process exit code.
int RunProgram(const TProcessStart& start);
// Releases the settings store.
void ShutDown();

} // namespace app

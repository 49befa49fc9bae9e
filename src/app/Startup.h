// The program's start-up order, its run-mode decision and its end.
#pragma once

namespace app {

// Steps before the program body: the operating-system check, the instance lock, the tone
// generator and the settings store.
void StartUp();
// The program body: hands over to a running instance, or runs the chosen mode. Returns the
// process exit code.
int RunProgram();
// Releases the settings store and then the tone generator.
void ShutDown();

} // namespace app

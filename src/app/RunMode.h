// Process-wide start-up state, set once at start-up and never changed afterwards.
#pragma once

#include <cstdint>
#include <string>

namespace app {

enum TRunMode : std::uint8_t { rmNormal = 0, rmInstall = 1, rmUninstall = 2 };

extern TRunMode RunMode;
extern bool QuietMode;
extern bool IsSecondInstance;
extern bool IsWinNT;

inline constexpr const char* kApplicationTitle = "TSetup - Einstellungsprogramm für Tastor32";

// True when a command-line parameter, in upper case, is "/" followed by the letter.
bool HasSwitch(const std::string& letter);

} // namespace app

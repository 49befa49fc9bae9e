// The start-up state: made once at start-up and passed to whoever needs it.
#pragma once

#include <cstdint>

namespace settings {

enum TRunMode : std::uint8_t { rmNormal = 0, rmInstall = 1, rmUninstall = 2 };

struct TStartupState {
    TRunMode RunMode = rmNormal;
    bool QuietMode = false;
    bool IsWinNT = true;
};

} // namespace settings

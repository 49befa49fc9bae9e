#include "app/RunMode.h"

#include "platform/Cp1252.h"
#include "platform/Services.h"
#include "settings/Names.h"

namespace app {

bool HasSwitch(const std::string& letter) {
    const std::string wanted = "/" + letter;
    for (const std::string& argument : platform::Sys().Arguments()) {
        if (platform::Cp1252UpperText(argument) == wanted) {
            return true;
        }
    }
    return false;
}

settings::TStartupState ChooseStartupState(bool isWinNT, settings::TSettingsStore& store) {
    settings::TStartupState state;
    state.IsWinNT = isWinNT;
    // A settings key that exists but may not be read is no first run: the installation
    // would write its defaults over the user's settings.
    if (HasSwitch("I") ||
        (store.ReadError().empty() &&
         !store.Registry().ValueExists(settings::OptionValueNames[settings::optEnabled]))) {
        state.RunMode = settings::rmInstall;
    }
    if (HasSwitch("U")) {
        state.RunMode = settings::rmUninstall;
    }
    state.QuietMode = HasSwitch("Q");
    return state;
}

} // namespace app

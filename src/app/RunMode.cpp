#include "app/RunMode.h"

#include "platform/Cp1252.h"
#include "platform/Services.h"
#include "settings/Names.h"
#include "settings/OptionsRegistry.h"

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

settings::TStartupState ChooseStartupState(bool isWinNT) {
    settings::TStartupState state;
    state.IsWinNT = isWinNT;
    if (HasSwitch("I") || !settings::SettingsRegistry().ValueExists(
                              settings::OptionValueNames[settings::optEnabled])) {
        state.RunMode = settings::rmInstall;
    }
    if (HasSwitch("U")) {
        state.RunMode = settings::rmUninstall;
    }
    state.QuietMode = HasSwitch("Q");
    return state;
}

} // namespace app

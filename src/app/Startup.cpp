#include "app/Startup.h"

#include "app/PrevInst.h"
#include "app/RunMode.h"
#include "platform/Services.h"
#include "settings/Names.h"
#include "settings/OptionsRegistry.h"
#include "settings/StartupState.h"
#include "setup/Install.h"
#include "setup/Uninstall.h"
#include "sound/PCSpeaker.h"
#include "toolkit/Application.h"
#include "toolkit/ErrorDisplay.h"
#include "ui/MainForm.h"

namespace app {

void StartUp() {
    IsWinNT = platform::Sys().PlatformId() >= 2;
    CheckInstance();
    CreatePCSpeaker();
    settings::OpenSettingsStore();
}

int RunProgram() {
    if (IsSecondInstance) {
        ActivatePreviousInstance();
        return 1;
    }
    RunMode = rmNormal;
    if (HasSwitch("I") || !settings::SettingsRegistry().ValueExists(
                              settings::OptionValueNames[settings::optEnabled])) {
        RunMode = rmInstall;
    }
    if (HasSwitch("U")) {
        RunMode = rmUninstall;
    }
    QuietMode = HasSwitch("Q");
    const settings::TStartupState state{static_cast<settings::TRunMode>(RunMode), QuietMode,
                                        IsWinNT};

    if (RunMode == rmInstall) {
        toolkit::Guarded([&] { setup::RunInstall(state); });
        if (QuietMode) {
            return 0;
        }
    } else if (RunMode == rmUninstall) {
        toolkit::Guarded([&] { setup::RunUninstall(state); });
        return 0;
    }

    toolkit::SetApplicationTitle(kApplicationTitle);
    ui::TMainForm form;
    toolkit::RunMainForm(form);
    return 0;
}

void ShutDown() {
    settings::CloseSettingsStore();
    ReleasePCSpeaker();
}

} // namespace app

#include "app/Startup.h"

#include "app/PrevInst.h"
#include "app/RunMode.h"
#include "platform/Services.h"
#include "settings/OptionsRegistry.h"
#include "setup/Install.h"
#include "setup/Uninstall.h"
#include "toolkit/Application.h"
#include "toolkit/ErrorDisplay.h"
#include "ui/MainForm.h"

namespace app {

TProcessStart StartUp() {
    TProcessStart start;
    start.IsWinNT = platform::Sys().PlatformId() >= 2;
    start.IsSecondInstance = CheckInstance();
    settings::OpenSettingsStore();
    return start;
}

int RunProgram(const TProcessStart& start) {
    if (start.IsSecondInstance) {
        ActivatePreviousInstance();
        return 1;
    }
    const settings::TStartupState state = ChooseStartupState(start.IsWinNT);
    if (state.RunMode == settings::rmInstall) {
        toolkit::Guarded([&] { setup::RunInstall(state); });
        if (state.QuietMode) {
            return 0;
        }
    } else if (state.RunMode == settings::rmUninstall) {
        toolkit::Guarded([&] { setup::RunUninstall(state); });
        return 0;
    }

    toolkit::SetApplicationTitle(kApplicationTitle);
    ui::TMainForm form(state);
    toolkit::RunMainForm(form);
    return 0;
}

void ShutDown() {
    settings::CloseSettingsStore();
}

} // namespace app

#include "app/Startup.h"

#include "app/PrevInst.h"
#include "app/RunMode.h"
#include "macros/MacroList.h"
#include "platform/Services.h"
#include "setup/Install.h"
#include "setup/Uninstall.h"
#include "toolkit/Application.h"
#include "toolkit/ErrorDisplay.h"
#include "ui/MainForm.h"

namespace app {

TProcessStart StartUp() {
    TProcessStart start;
    start.IsWinNT = platform::Sys().PlatformId() >= platform::kPlatformIdNt;
    start.IsSecondInstance = CheckInstance();
    start.Store = std::make_unique<settings::TSettingsStore>();
    return start;
}

int RunProgram(TProcessStart& start) {
    if (start.IsSecondInstance) {
        ActivatePreviousInstance();
        return 1;
    }
    const settings::TStartupState state = ChooseStartupState(start.IsWinNT, *start.Store);
    if (state.RunMode == settings::rmInstall) {
        toolkit::Guarded([&] { setup::RunInstall(state, *start.Store); });
        if (state.QuietMode) {
            return 0;
        }
    } else if (state.RunMode == settings::rmUninstall) {
        toolkit::Guarded([&] { setup::RunUninstall(state, *start.Store); });
        return 0;
    }

    // The window's first load lists the macro key: it is read while the window is built.
    macros::ReadMacroListAhead();
    toolkit::SetApplicationTitle(kApplicationTitle);
    ui::TMainForm form(state, *start.Store);
    toolkit::RunMainForm(form);
    return 0;
}

void ShutDown(TProcessStart& start) {
    start.Store.reset();
}

} // namespace app

// The Windows entry: installs the system's services, then runs the program's start-up
// order and body.
#include "app/PrevInst.h"
#include "app/Startup.h"
#include "platform/Services.h"
#include "platform/win32/Win32Platform.h"
#include "toolkit/ErrorDisplay.h"
#include "toolkit/win32/ApplicationWindow.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                       ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS |
                                                       ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    platform::win32::Win32Platform system;
    platform::InstalledServices services(platform::ServicesOf(system));

    // The application window carries the instance name as its title until the program
    // body names the application; a second start finds this window by it.
    toolkit::win32::Win32ApplicationHost host(app::InstanceName());
    toolkit::InstallApplicationHost(&host);

    int exitCode = 0;
    app::TProcessStart start;
    toolkit::Guarded([&] {
        start = app::StartUp();
        exitCode = app::RunProgram(start);
    });
    toolkit::Guarded([&] { app::ShutDown(start); });
    toolkit::InstallApplicationHost(nullptr);
    return exitCode;
}

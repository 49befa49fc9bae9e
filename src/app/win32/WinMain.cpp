// The Windows entry: installs the system's services, then runs the program's start-up
// order and body.
#include "app/PrevInst.h"
#include "app/Startup.h"
#include "platform/Services.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileDialogs.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32InstanceLock.h"
#include "platform/win32/Win32IoPorts.h"
#include "platform/win32/Win32Keyboard.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32VersionInfo.h"
#include "platform/win32/Win32Windows.h"
#include "toolkit/ErrorDisplay.h"
#include "toolkit/win32/ApplicationWindow.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                       ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS |
                                                       ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    platform::win32::Win32Registry registry;
    platform::win32::Win32MessageBoxes boxes;
    platform::win32::Win32InstanceLock lock;
    platform::win32::Win32Windows windows;
    platform::win32::Win32System system;
    platform::win32::Win32Keyboard keyboard;
    platform::win32::Win32IoPorts ports;
    platform::win32::Win32Clock clock;
    platform::win32::Win32Processes processes;
    platform::win32::Win32FileDialogs fileDialogs;
    platform::win32::Win32Files files;
    platform::win32::Win32Clipboard clipboard;
    platform::win32::Win32Shell shell;
    platform::win32::Win32VersionInfo versionInfo;
    platform::Services services;
    services.registry = &registry;
    services.boxes = &boxes;
    services.instanceLock = &lock;
    services.windows = &windows;
    services.system = &system;
    services.keyboard = &keyboard;
    services.ports = &ports;
    services.clock = &clock;
    services.processes = &processes;
    services.fileDialogs = &fileDialogs;
    services.files = &files;
    services.clipboard = &clipboard;
    services.shell = &shell;
    services.versionInfo = &versionInfo;
    platform::Install(services);

    // The application window carries the instance name as its title until the program
    // body names the application; a second start finds this window by it.
    toolkit::win32::Win32ApplicationHost host(app::InstanceName());
    toolkit::InstallApplicationHost(&host);

    int exitCode = 0;
    toolkit::Guarded([&] { exitCode = app::RunProgram(app::StartUp()); });
    toolkit::Guarded([] { app::ShutDown(); });
    toolkit::InstallApplicationHost(nullptr);
    return exitCode;
}

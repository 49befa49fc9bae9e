// The operating-system services of this process. main() installs the Win32 ones; tests
// install fakes. Every user reaches a service through these accessors.
#pragma once

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/InstanceLock.h"
#include "platform/IoPorts.h"
#include "platform/Keyboard.h"
#include "platform/MessageBoxes.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/System.h"
#include "platform/VersionInfo.h"
#include "platform/Windows.h"

namespace platform {

struct Services {
    Registry* registry = nullptr;
    MessageBoxes* boxes = nullptr;
    InstanceLock* instanceLock = nullptr;
    TopLevelWindows* windows = nullptr;
    System* system = nullptr;
    Keyboard* keyboard = nullptr;
    IoPorts* ports = nullptr;
    Clock* clock = nullptr;
    Processes* processes = nullptr;
    FileDialogs* fileDialogs = nullptr;
    Files* files = nullptr;
    Clipboard* clipboard = nullptr;
    Shell* shell = nullptr;
    VersionInfo* versionInfo = nullptr;
};

// Replaces the installed services and returns the earlier ones.
Services Install(const Services& services);
const Services& Installed();

// The services that an object holds as members named as the fields above (every service
// of a platform, or the few real ones a test needs), over those of base. The one place
// that knows how services are wired.
template <class Platform> Services ServicesOf(Platform& p, Services base = {}) {
    if constexpr (requires { p.registry; })
        base.registry = &p.registry;
    if constexpr (requires { p.boxes; })
        base.boxes = &p.boxes;
    if constexpr (requires { p.instanceLock; })
        base.instanceLock = &p.instanceLock;
    if constexpr (requires { p.windows; })
        base.windows = &p.windows;
    if constexpr (requires { p.system; })
        base.system = &p.system;
    if constexpr (requires { p.keyboard; })
        base.keyboard = &p.keyboard;
    if constexpr (requires { p.ports; })
        base.ports = &p.ports;
    if constexpr (requires { p.clock; })
        base.clock = &p.clock;
    if constexpr (requires { p.processes; })
        base.processes = &p.processes;
    if constexpr (requires { p.fileDialogs; })
        base.fileDialogs = &p.fileDialogs;
    if constexpr (requires { p.files; })
        base.files = &p.files;
    if constexpr (requires { p.clipboard; })
        base.clipboard = &p.clipboard;
    if constexpr (requires { p.shell; })
        base.shell = &p.shell;
    if constexpr (requires { p.versionInfo; })
        base.versionInfo = &p.versionInfo;
    return base;
}

// Installs the services for its lifetime and then puts the earlier ones back.
class InstalledServices {
public:
    explicit InstalledServices(const Services& services) : earlier_(Install(services)) {}
    ~InstalledServices() { Install(earlier_); }
    InstalledServices(const InstalledServices&) = delete;
    InstalledServices& operator=(const InstalledServices&) = delete;

private:
    Services earlier_;
};

Registry& Reg();
MessageBoxes& Boxes();
InstanceLock& Lock();
TopLevelWindows& Windows();
System& Sys();
Keyboard& Keys();
IoPorts& Ports();
Clock& Time();
Processes& Procs();
FileDialogs& FileDialogsService();
Files& FileSystem();
Clipboard& Clip();
Shell& ShellService();
VersionInfo& Versions();

} // namespace platform

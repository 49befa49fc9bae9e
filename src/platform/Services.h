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

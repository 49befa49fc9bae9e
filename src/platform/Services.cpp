#include "platform/Services.h"

#include <stdexcept>

namespace platform {
namespace {

Services installed;

template <class T> T& Need(T* service, const char* name) {
    if (service == nullptr) {
        throw std::logic_error(std::string("service not installed: ") + name);
    }
    return *service;
}

} // namespace

Services Install(const Services& services) {
    Services earlier = installed;
    installed = services;
    return earlier;
}

const Services& Installed() {
    return installed;
}

Registry& Reg() {
    return Need(installed.registry, "registry");
}
MessageBoxes& Boxes() {
    return Need(installed.boxes, "message boxes");
}
InstanceLock& Lock() {
    return Need(installed.instanceLock, "instance lock");
}
TopLevelWindows& Windows() {
    return Need(installed.windows, "windows");
}
System& Sys() {
    return Need(installed.system, "system");
}
Keyboard& Keys() {
    return Need(installed.keyboard, "keyboard");
}
IoPorts& Ports() {
    return Need(installed.ports, "I/O ports");
}
Clock& Time() {
    return Need(installed.clock, "clock");
}
Processes& Procs() {
    return Need(installed.processes, "processes");
}
FileDialogs& FileDialogsService() {
    return Need(installed.fileDialogs, "file dialogs");
}
Files& FileSystem() {
    return Need(installed.files, "files");
}
Clipboard& Clip() {
    return Need(installed.clipboard, "clipboard");
}
Shell& ShellService() {
    return Need(installed.shell, "shell");
}
VersionInfo& Versions() {
    return Need(installed.versionInfo, "version information");
}

} // namespace platform

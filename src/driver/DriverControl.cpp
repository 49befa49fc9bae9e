#include "driver/DriverControl.h"

#include "driver/LaunchProgram.h"
#include "platform/Paths.h"
#include "platform/Services.h"
#include "settings/Layout.h"
#include "settings/Registry.h"

namespace driver {

platform::WindowId FindDriverWindow() {
    return platform::Windows().Find(kDriverWindowName, kDriverWindowName);
}

bool IsDriverRunning() {
    return FindDriverWindow() != 0;
}

bool PostToDriver(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    const platform::WindowId window = FindDriverWindow();
    if (window == 0) {
        return false;
    }
    return platform::Windows().Post(window, message, wParam, lParam);
}

bool SendToDriver(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                  std::uint32_t timeoutMs) {
    const platform::WindowId window = FindDriverWindow();
    if (window == 0) {
        return false;
    }
    return platform::Windows().Send(window, message, wParam, lParam, timeoutMs);
}

std::string DriverExePath(settings::TSettingsStore& store) {
    std::string dir = store.Registry().ReadString(settings::kHomeDirValue);
    if (dir.empty()) {
        dir = platform::ProgramDir();
    }
    return platform::AddTrailingBackslash(dir) + kDriverExeName;
}

bool StartDriver(settings::TSettingsStore& store) {
    return LaunchProgram(DriverExePath(store), "");
}

bool IsAutostartSet() {
    settings::TRegistry reg(platform::Hive::CurrentUser);
    if (!reg.OpenKeyReadOnly(settings::kRunKey)) {
        return false;
    }
    return reg.ValueExists(kAutostartValueName);
}

std::string AutostartCommand() {
    return platform::ProgramDir() + kDriverExeName;
}

bool SetAutostart(const std::string& name, const std::string& command, bool enable) {
    settings::TRegistry reg(platform::Hive::CurrentUser);
    if (!reg.OpenKey(settings::kRunKey, true)) {
        return false;
    }
    if (enable) {
        reg.WriteString(name, command);
        return true;
    }
    return reg.DeleteValue(name);
}

bool SetAutostart(bool enable) {
    return SetAutostart(kAutostartValueName, AutostartCommand(), enable);
}

} // namespace driver

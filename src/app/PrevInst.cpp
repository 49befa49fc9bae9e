#include "app/PrevInst.h"

#include "platform/Paths.h"
#include "platform/Services.h"

namespace app {

std::string InstanceName() {
    std::string name = platform::FileNameOf(platform::Sys().ProgramPath());
    if (name.find(".EXE") != std::string::npos && name.size() >= 4) {
        name.erase(name.size() - 4);
    }
    return name;
}

bool CheckInstance() {
    return platform::Lock().Create(InstanceName()) == platform::LockResult::AlreadyExists;
}

void ActivatePreviousInstance() {
    auto& windows = platform::Windows();
    const std::string name = InstanceName();
    platform::WindowId window = windows.Find("", name);
    if (window == 0) {
        return;
    }
    const std::string className = windows.ClassName(window);
    // The window found by title is this instance's own; the previous instance's is the
    // next one below it with the same class.
    platform::WindowId target = 0;
    for (window = windows.Next(window); window != 0; window = windows.Next(window)) {
        if (windows.ClassName(window) == className) {
            target = window;
            break;
        }
    }
    if (target == 0) {
        return;
    }
    windows.Restore(target);
    if (windows.IsIconic(target)) {
        windows.Restore(target);
    } else {
        windows.BringToTop(target);
    }
    windows.SetForeground(target);
}

} // namespace app

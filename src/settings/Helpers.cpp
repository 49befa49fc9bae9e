#include "settings/Helpers.h"

#include "platform/Services.h"
#include "toolkit/Application.h"

namespace settings {

std::string ProgramDir() {
    const std::string path = platform::Sys().ProgramPath();
    const auto slash = path.find_last_of("\\:");
    return AddTrailingBackslash(slash == std::string::npos ? std::string()
                                                           : path.substr(0, slash + 1));
}

std::string WindowsDir() {
    // GetWindowsDirectoryA is called with a buffer of 255 characters.
    std::string dir = platform::Sys().WindowsDirectory();
    if (dir.size() > 254) {
        dir.clear();
    }
    return AddTrailingBackslash(dir);
}

std::string AddTrailingBackslash(const std::string& path) {
    if (path.empty() || path.back() == '\\') {
        return path;
    }
    return path + "\\";
}

void ShowInfo(const std::string& text) {
    platform::Boxes().Show(platform::BoxKind::Info, text, toolkit::ApplicationTitle());
}

void ShowError(const std::string& text) {
    platform::Boxes().Beep(platform::SystemSound::Hand);
    platform::Boxes().Show(platform::BoxKind::Error, text, toolkit::ApplicationTitle());
}

bool AskYesNo(const std::string& text) {
    platform::Boxes().Beep(platform::SystemSound::Question);
    return platform::Boxes().Show(platform::BoxKind::YesNo, text, toolkit::ApplicationTitle());
}

} // namespace settings

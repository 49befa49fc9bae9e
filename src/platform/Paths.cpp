#include "platform/Paths.h"

#include "platform/Services.h"

namespace platform {
namespace {

constexpr const char* kSeparators = "\\/:";

} // namespace

std::string FileNameOf(const std::string& path) {
    const auto separator = path.find_last_of(kSeparators);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string FolderOf(const std::string& path) {
    const auto separator = path.find_last_of(kSeparators);
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string AddTrailingBackslash(const std::string& path) {
    if (path.empty() || path.back() == '\\') {
        return path;
    }
    return path + "\\";
}

std::string ProgramDir() {
    return AddTrailingBackslash(FolderOf(Sys().ProgramPath()));
}

std::string WindowsDir() {
    // The program asks with room for 255 characters: a longer folder reads as none.
    std::string dir = Sys().WindowsDirectory();
    if (dir.size() > 254) {
        dir.clear();
    }
    return AddTrailingBackslash(dir);
}

} // namespace platform

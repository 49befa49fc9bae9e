#include "platform/Paths.h"

#include "platform/Services.h"

namespace platform {
namespace {

// One rule for narrow (code page 1252) and UTF-16 paths alike.
template <class Text> Text FileNameIn(const Text& path) {
    const auto separator = path.find_last_of(Text{'\\', '/', ':'});
    return separator == Text::npos ? path : path.substr(separator + 1);
}

template <class Text> Text FolderIn(const Text& path) {
    const auto separator = path.find_last_of(Text{'\\', '/', ':'});
    return separator == Text::npos ? Text() : path.substr(0, separator + 1);
}

template <class Text> Text WithTrailingBackslash(const Text& path) {
    if (path.empty() || path.back() == '\\') {
        return path;
    }
    return path + typename Text::value_type('\\');
}

} // namespace

std::string FileNameOf(const std::string& path) {
    return FileNameIn(path);
}
std::u16string FileNameOf(const std::u16string& path) {
    return FileNameIn(path);
}
std::string FolderOf(const std::string& path) {
    return FolderIn(path);
}
std::u16string FolderOf(const std::u16string& path) {
    return FolderIn(path);
}
std::string AddTrailingBackslash(const std::string& path) {
    return WithTrailingBackslash(path);
}
std::u16string AddTrailingBackslash(const std::u16string& path) {
    return WithTrailingBackslash(path);
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

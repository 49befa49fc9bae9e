#include "platform/win32/Win32System.h"

#include "platform/CommandLine.h"
#include "platform/win32/WideText.h"

#include <windows.h>

namespace platform::win32 {

namespace {

// A path that code page 1252 cannot hold is replaced by its short (8.3) form, which is
// plain ASCII where the file system keeps short names; otherwise the text keeps '?' marks.
std::string NarrowPath(const std::wstring& path) {
    bool lossy = false;
    std::string text = Narrow(path, &lossy);
    if (!lossy) {
        return text;
    }
    const DWORD needed = ::GetShortPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0) {
        return text;
    }
    std::wstring shortPath(needed, L'\0');
    const DWORD length = ::GetShortPathNameW(path.c_str(), shortPath.data(), needed);
    if (length == 0 || length >= needed) {
        return text;
    }
    shortPath.resize(length);
    bool shortLossy = false;
    std::string shortText = Narrow(shortPath, &shortLossy);
    return shortLossy ? text : shortText;
}

} // namespace

std::uint32_t Win32System::PlatformId() {
    OSVERSIONINFOA info{};
    static_assert(sizeof info == 148, "the version structure of the A call");
    info.dwOSVersionInfoSize = sizeof info;
    // MSVC marks GetVersionExA deprecated (C4996); only the platform id is read here, which
    // it still reports truly. MinGW's headers do not warn.
#if defined(_MSC_VER)
#pragma warning(push)
#pragma warning(disable : 4996)
#endif
    const BOOL ok = ::GetVersionExA(&info);
#if defined(_MSC_VER)
#pragma warning(pop)
#endif
    if (!ok) {
        // Cannot happen with the right structure size. Reporting NT is the safe answer:
        // the 9x-only features (direct port access) then stay switched off.
        return VER_PLATFORM_WIN32_NT;
    }
    return info.dwPlatformId;
}

std::string Win32System::ProgramPath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0) {
            return std::string();
        }
        // A full buffer means the path was cut: try again with more room.
        if (length < size) {
            buffer.resize(length);
            return NarrowPath(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string Win32System::WindowsDirectory() {
    wchar_t buffer[MAX_PATH + 1];
    UINT length = ::GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    if (length == 0) {
        return std::string();
    }
    if (length <= MAX_PATH) {
        return Narrow(buffer, length);
    }
    std::wstring larger(length, L'\0');
    length = ::GetWindowsDirectoryW(larger.data(), static_cast<UINT>(larger.size()));
    if (length == 0 || length >= larger.size()) {
        return std::string();
    }
    larger.resize(length);
    return Narrow(larger);
}

// Split here rather than by the shell's function, whose library and everything it brings
// along would be loaded at every start only for this.
std::vector<std::string> Win32System::Arguments() {
    std::vector<std::string> arguments;
    for (const std::wstring& argument : SplitCommandLine(::GetCommandLineW())) {
        arguments.push_back(Narrow(argument));
    }
    return arguments;
}

char Win32System::DecimalSeparator() {
    wchar_t buffer[8] = {};
    if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8) == 0) {
        return '.';
    }
    bool lossy = false;
    const std::string separator = Narrow(std::wstring(buffer), &lossy);
    // A separator outside code page 1252 can never be typed into a field of this program.
    return separator.empty() || lossy ? '.' : separator[0];
}

} // namespace platform::win32

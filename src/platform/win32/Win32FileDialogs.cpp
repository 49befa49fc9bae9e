#include "platform/win32/Win32FileDialogs.h"

#include "platform/win32/LateLibrary.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <commdlg.h>

namespace platform::win32 {
namespace {

// "A|*.a|B|*.*" becomes the system's "A\0*.a\0B\0*.*\0\0".
std::wstring SystemFilter(const std::string& filter) {
    std::wstring wide = Wide(filter);
    for (wchar_t& c : wide) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    wide.push_back(L'\0');
    wide.push_back(L'\0');
    return wide;
}

std::optional<std::string> Run(bool save, const std::string& filter,
                               const std::string& defaultExtension,
                               const std::string& initialFolder, const std::string& fileName,
                               const std::string& title) {
    const std::wstring systemFilter = SystemFilter(filter);
    const std::wstring extension = Wide(defaultExtension);
    const std::wstring folder = Wide(initialFolder);
    const std::wstring caption = Wide(title);
    std::wstring buffer = Wide(fileName);
    buffer.resize(32768, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = systemFilter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                   (save ? OFN_HIDEREADONLY : OFN_FILEMUSTEXIST);
    const auto run =
        save ? LateFunction<decltype(&::GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW")
             : LateFunction<decltype(&::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    if (run == nullptr || !run(&dialog)) {
        return std::nullopt;
    }
    bool lossy = false;
    std::string path = Narrow(buffer.c_str(), wcslen(buffer.c_str()), &lossy);
    if (lossy) {
        // A path that code page 1252 cannot hold would name another file: take the short
        // form, which is plain ASCII.
        wchar_t shortPath[MAX_PATH];
        const DWORD length = GetShortPathNameW(buffer.c_str(), shortPath, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return std::nullopt;
        }
        path = Narrow(shortPath, length);
    }
    return path;
}

} // namespace

std::optional<std::string> Win32FileDialogs::Open(const OpenFileRequest& request) {
    return Run(false, request.filter, request.defaultExtension, request.initialFolder,
               request.fileName, request.title);
}

std::optional<std::string> Win32FileDialogs::Save(const SaveFileRequest& request) {
    return Run(true, request.filter, request.defaultExtension, request.initialFolder,
               request.fileName, request.title);
}

} // namespace platform::win32

#include "platform/win32/LateLibrary.h"

#include <string>

namespace platform::win32 {

FARPROC LateProc(const wchar_t* library, const char* name) {
    HMODULE module = ::GetModuleHandleW(library);
    if (module == nullptr) {
        // By its full path: a library of that name in the program's or the current folder
        // must not be taken instead.
        wchar_t folder[MAX_PATH];
        const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return nullptr;
        }
        const std::wstring path = std::wstring(folder, length) + L"\\" + library;
        module = ::LoadLibraryW(path.c_str());
        if (module == nullptr) {
            return nullptr;
        }
    }
    return ::GetProcAddress(module, name);
}

} // namespace platform::win32

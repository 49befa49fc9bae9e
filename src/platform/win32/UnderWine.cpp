#include "platform/win32/UnderWine.h"

#include <windows.h>

namespace platform::win32 {

bool UnderWine() {
    static const bool underWine = [] {
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return underWine;
}

} // namespace platform::win32

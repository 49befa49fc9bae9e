// System functions looked up at their first use instead of being imported. The shell and
// the common dialogs bring COM, printing and their Unix libraries with them, several MiB
// that a start of the settings window never needs; they are loaded when the user first
// exports, imports or opens a document.
#pragma once

#include <windows.h>

namespace platform::win32 {

// The function of a library in the system folder, or null (with the last error set) when
// the library or the function is missing. A loaded library stays until the process ends:
// the shell may still run threads in it after a call has returned.
FARPROC LateProc(const wchar_t* library, const char* name);

template <class Function> Function LateFunction(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(LateProc(library, name)));
}

} // namespace platform::win32

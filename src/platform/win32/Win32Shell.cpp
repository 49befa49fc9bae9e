#include "platform/win32/Win32Shell.h"

#include "platform/win32/Handles.h"
#include "platform/win32/LateLibrary.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <shellapi.h>

namespace platform::win32 {
namespace {

// Handles messages until the process has ended. A WM_QUIT that arrives meanwhile is put
// back for the program's own loop.
void WaitPumping(HANDLE process) {
    for (;;) {
        const DWORD woke = ::MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
        if (woke != WAIT_OBJECT_0 + 1) {
            return; // the process ended, or the wait itself failed
        }
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

} // namespace

std::intptr_t Win32Shell::OpenDocument(const std::string& path) {
    const auto shellExecute =
        LateFunction<decltype(&::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (shellExecute == nullptr) {
        return SE_ERR_NOASSOC;
    }
    const HINSTANCE result =
        shellExecute(::GetFocus(), L"open", Wide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<std::intptr_t>(result);
}

std::uint32_t Win32Shell::RunAndWait(const std::string& program, const std::u16string& parameters,
                                     std::uint32_t& exitCode) {
    exitCode = 0;
    const std::wstring file = Wide(program);
    const std::wstring arguments = WideOf(parameters);
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    run.hwnd = nullptr;
    run.lpVerb = L"open";
    run.lpFile = file.c_str();
    run.lpParameters = arguments.c_str();
    run.lpDirectory = nullptr;
    run.nShow = SW_SHOW;
    const auto shellExecuteEx =
        LateFunction<decltype(&::ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW");
    if (shellExecuteEx == nullptr) {
        return ::GetLastError();
    }
    if (!shellExecuteEx(&run)) {
        const DWORD error = ::GetLastError();
        return error != ERROR_SUCCESS ? error : ERROR_FILE_NOT_FOUND;
    }
    KernelHandle process(run.hProcess);
    if (!process) {
        return ERROR_SUCCESS; // the shell handed the file on without a process to wait for
    }
    // Like a modal dialog: the program's window is drawn but takes no input meanwhile.
    const HWND owner = ::GetActiveWindow();
    const bool disabled = owner != nullptr && ::EnableWindow(owner, FALSE) == 0;
    WaitPumping(process.Get());
    if (disabled) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    DWORD code = 0;
    exitCode = ::GetExitCodeProcess(process.Get(), &code) ? code : ::GetLastError();
    return ERROR_SUCCESS;
}

} // namespace platform::win32

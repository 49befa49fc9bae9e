#include "platform/win32/Win32Processes.h"

#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"

namespace platform::win32 {

bool Win32Processes::Create(const std::string& file, const std::string& commandLine,
                            const std::string& directory) {
    const std::wstring wideFile = Wide(file);
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::wstring wideCommandLine = Wide(commandLine);
    const std::wstring wideDirectory = Wide(directory);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);

    PROCESS_INFORMATION created{};
    const BOOL ok = ::CreateProcessW(
        wideFile.c_str(), wideCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
        directory.empty() ? nullptr : wideDirectory.c_str(), &startup, &created);
    if (!ok) {
        return false;
    }
    // The program does not wait for the new process or watch it.
    KernelHandle process(created.hProcess);
    KernelHandle thread(created.hThread);
    return true;
}

Processes::ExecResult Win32Processes::Exec(const std::string& commandLine) {
    ::SetLastError(0);
    const UINT result = ::WinExec(commandLine.c_str(), SW_SHOW);
    return {result, ::GetLastError()};
}

} // namespace platform::win32

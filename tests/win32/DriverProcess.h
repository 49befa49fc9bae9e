// Runs of the stand-in driver (Tastor32.exe beside the test program) for the Win32 tests:
// starting it with a log file of its own, waiting for its window and log lines with a
// deadline, and ending it again however a test ends.
#pragma once

#include "platform/Windows.h"
#include "platform/win32/Handles.h"

#include <tlhelp32.h>

#include <atomic>
#include <sstream>
#include <string>
#include <vector>

namespace drivertest {

inline constexpr DWORD kDeadlineMs = 15000;
inline constexpr DWORD kPollMs = 20;

// The folder of the test program, with a trailing backslash.
inline std::wstring TestDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length > 0 && length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    path.resize(path.find_last_of(L'\\') + 1);
    return path;
}

// A log file name not used before by any run.
inline std::wstring UniqueLogPath() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    std::wstring path(temp, length);
    path += L"tastor32-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++counter) + L".log";
    return path;
}

inline std::vector<std::string> ReadLines(const std::wstring& path) {
    std::vector<std::string> lines;
    // Opened with full sharing: the driver keeps the file open for writing.
    platform::win32::FileHandle file(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, 0, nullptr));
    if (!file) {
        return lines;
    }
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
        content.append(buffer, got);
    }
    std::istringstream stream(content);
    std::string line;
    while (std::getline(stream, line)) {
        lines.push_back(line);
    }
    return lines;
}

inline bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    for (const auto& each : lines) {
        if (each == line) {
            return true;
        }
    }
    return false;
}

template <class Condition> bool WaitFor(Condition condition, DWORD deadlineMs = kDeadlineMs) {
    const ULONGLONG deadline = GetTickCount64() + deadlineMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(kPollMs);
    }
}

// The driver window that belongs to the given process, or null.
inline HWND DriverWindowOf(DWORD processId) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"Tastor32", L"Tastor32")) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) {
            return window;
        }
    }
    return nullptr;
}

// Sets an environment variable of this process (and so of the processes it starts) for
// the lifetime of the object; the earlier state comes back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const wchar_t* name, const std::wstring& value) : name_(name) {
        const DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
        if (needed > 0) {
            std::wstring earlier(needed, L'\0');
            const DWORD length = GetEnvironmentVariableW(name, earlier.data(), needed);
            earlier.resize(length < needed ? length : 0);
            earlier_ = earlier;
            hadEarlier_ = true;
        }
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~ScopedEnvironment() {
        SetEnvironmentVariableW(name_.c_str(), hadEarlier_ ? earlier_.c_str() : nullptr);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::wstring name_;
    std::wstring earlier_;
    bool hadEarlier_ = false;
};

// One run of the stand-in driver; ended by the test or, at the latest, by the destructor.
class Driver {
public:
    explicit Driver(const std::wstring& options = L"") : log_(UniqueLogPath()) {
        const std::wstring exe = TestDirectory() + L"Tastor32.exe";
        std::wstring commandLine = L"\"" + exe + L"\" " + options;
        // The child inherits this environment.
        ScopedEnvironment logName(L"TASTOR32_LOG", log_);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION created{};
        if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &created)) {
            process_.Reset(created.hProcess);
            platform::win32::KernelHandle thread(created.hThread);
            id_ = created.dwProcessId;
        }
    }
    ~Driver() {
        if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.Get(), 1);
            WaitForSingleObject(process_.Get(), kDeadlineMs);
        }
        DeleteFileW(log_.c_str());
    }
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    // Waits for the window and the "started" line.
    platform::WindowId WaitForWindow() const {
        HWND window = nullptr;
        WaitFor([&] {
            window = DriverWindowOf(id_);
            return window != nullptr && Contains(Lines(), "started");
        });
        return reinterpret_cast<platform::WindowId>(window);
    }
    std::vector<std::string> Lines() const { return ReadLines(log_); }
    bool WaitForLine(const std::string& line) const {
        return WaitFor([&] { return Contains(Lines(), line); });
    }
    bool WaitForExit(DWORD* exitCode) const {
        if (WaitForSingleObject(process_.Get(), kDeadlineMs) != WAIT_OBJECT_0) {
            return false;
        }
        return GetExitCodeProcess(process_.Get(), exitCode) != FALSE;
    }

private:
    std::wstring log_;
    platform::win32::KernelHandle process_;
    DWORD id_ = 0;
};

// Ends every stand-in driver that this process started by other means than Driver (the
// program's own start of the driver) and waits until they are gone.
inline void EndChildDrivers() {
    platform::win32::FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    std::vector<platform::win32::KernelHandle> ending;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        if (entry.th32ParentProcessID != GetCurrentProcessId() ||
            _wcsicmp(entry.szExeFile, L"Tastor32.exe") != 0) {
            continue;
        }
        platform::win32::KernelHandle process(
            OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID));
        if (process) {
            TerminateProcess(process.Get(), 1);
            ending.push_back(std::move(process));
        }
    }
    for (const auto& process : ending) {
        WaitForSingleObject(process.Get(), kDeadlineMs);
    }
}

} // namespace drivertest

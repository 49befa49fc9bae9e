// Stand-in for the Tastor32 driver, used by the tests and the demo run.
//
// It owns a top-level window with class and title "Tastor32" and writes every message of
// interest to a log file, one line "<number> <wParam> <lParam>" in decimal per message: all
// messages from WM_USER upwards, WM_CLOSE and WM_QUIT. A line is on disk before the message
// is answered, so a sender that waited for a sent message can read it at once. WM_CLOSE and
// WM_QUIT end the program. The line "started" follows the creation of the (hidden) window.
//
// The log file is named by the environment variable TASTOR32_LOG, otherwise it is
// "Tastor32.log" beside this program; lines are appended to it.
//
// Options: /hang - the window stops answering after it has logged message 1131 (it sleeps for
// a minute inside the handler), so that senders with a time limit can be tested.

#include "platform/win32/Handles.h"

#include <shellapi.h>

#include <cwchar>
#include <string>

namespace {

using platform::win32::FileHandle;
using platform::win32::LocalMemory;
using platform::win32::WindowHandle;

constexpr wchar_t kName[] = L"Tastor32";
constexpr UINT kHangMessage = WM_USER + 107; // 1131
constexpr DWORD kHangMilliseconds = 60000;

FileHandle g_log;
bool g_hang = false;
bool g_closing = false; // the window is being destroyed on WM_CLOSE
WindowHandle* g_window = nullptr;

std::wstring LogPath() {
    const DWORD needed = GetEnvironmentVariableW(L"TASTOR32_LOG", nullptr, 0);
    if (needed > 1) {
        std::wstring value(needed, L'\0');
        const DWORD length = GetEnvironmentVariableW(L"TASTOR32_LOG", value.data(), needed);
        if (length > 0 && length < needed) {
            value.resize(length);
            return value;
        }
    }
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return L"Tastor32.log";
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/:");
    path.resize(slash == std::wstring::npos ? 0 : slash + 1);
    return path + L"Tastor32.log";
}

// One write per line: the line reaches the file before the message is answered.
void WriteLine(const std::string& line) {
    if (!g_log) {
        return;
    }
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(g_log.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void LogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    WriteLine(std::to_string(message) + " " +
              std::to_string(static_cast<unsigned long long>(wParam)) + " " +
              std::to_string(static_cast<long long>(lParam)));
}

bool HasHangOption() {
    int count = 0;
    wchar_t** list = CommandLineToArgvW(GetCommandLineW(), &count);
    LocalMemory owner(static_cast<HLOCAL>(list));
    if (list == nullptr) {
        return false;
    }
    for (int i = 1; i < count; ++i) {
        if (_wcsicmp(list[i], L"/hang") == 0) {
            return true;
        }
    }
    return false;
}

// A message sent from another thread is handled ahead of the posted ones already waiting.
// Those arrived first: log them first, so that the log keeps the order of arrival.
void LogPostedBefore(HWND window) {
    MSG waiting;
    while (PeekMessageW(&waiting, window, WM_USER, 0x7FFF, PM_REMOVE)) {
        LogMessage(waiting.message, waiting.wParam, waiting.lParam);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER) {
        if (InSendMessage()) {
            LogPostedBefore(window);
        }
        LogMessage(message, wParam, lParam);
        if (g_hang && message == kHangMessage) {
            Sleep(kHangMilliseconds);
        }
        return 0;
    }
    switch (message) {
    case WM_CLOSE:
        LogMessage(message, wParam, lParam);
        g_closing = true;
        if (g_window != nullptr) {
            g_window->Reset(); // destroys the window
        }
        return 0;
    case WM_DESTROY:
        if (g_closing) {
            PostQuitMessage(0);
        }
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    g_hang = HasHangOption();
    g_log = FileHandle(CreateFileW(LogPath().c_str(), FILE_APPEND_DATA,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kName;
    if (RegisterClassExW(&windowClass) == 0) {
        return 1;
    }

    WindowHandle window(CreateWindowExW(0, kName, kName, WS_OVERLAPPEDWINDOW, 0, 0, 240, 100,
                                        nullptr, nullptr, instance, nullptr));
    if (!window) {
        return 1;
    }
    g_window = &window;
    // The window stays hidden, as a resident driver's does. (Under Wine without a window
    // manager, destroying a visible window also takes about two seconds, in which it can
    // still be found: a stop would not be seen within the settings program's one-second wait.)
    WriteLine("started");

    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (got == 0 && !g_closing) {
        // WM_QUIT posted by another program (the settings program's stop button).
        LogMessage(msg.message, msg.wParam, msg.lParam);
    }
    g_window = nullptr;
    return 0;
}

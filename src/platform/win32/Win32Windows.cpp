#include "platform/win32/Win32Windows.h"

#include "platform/win32/WideText.h"

#include <windows.h>

namespace platform::win32 {

namespace {

HWND ToHandle(WindowId window) {
    return reinterpret_cast<HWND>(window);
}

WindowId ToId(HWND window) {
    return reinterpret_cast<WindowId>(window);
}

} // namespace

WindowId Win32Windows::Find(const std::string& className, const std::string& title) {
    const std::wstring wideClass = Wide(className);
    const std::wstring wideTitle = Wide(title);
    // An empty class name matches windows of any class.
    const wchar_t* classArgument = className.empty() ? nullptr : wideClass.c_str();
    return ToId(::FindWindowW(classArgument, wideTitle.c_str()));
}

std::string Win32Windows::ClassName(WindowId window) {
    wchar_t buffer[255];
    const int length = ::GetClassNameW(ToHandle(window), buffer, 255);
    if (length <= 0) {
        return std::string();
    }
    return Narrow(buffer, static_cast<std::size_t>(length));
}

WindowId Win32Windows::Next(WindowId window) {
    if (window == 0) {
        return 0;
    }
    return ToId(::GetWindow(ToHandle(window), GW_HWNDNEXT));
}

void Win32Windows::Restore(WindowId window) {
    ::ShowWindow(ToHandle(window), SW_RESTORE);
}

bool Win32Windows::IsIconic(WindowId window) {
    return ::IsIconic(ToHandle(window)) != FALSE;
}

void Win32Windows::BringToTop(WindowId window) {
    ::BringWindowToTop(ToHandle(window));
}

void Win32Windows::SetForeground(WindowId window) {
    // The window usually belongs to another process (the instance that was started first).
    // While this process may still set the foreground (it was just started by the user), it
    // hands that right on to any process, so the other instance may also take the foreground
    // itself when it reacts to being activated.
    ::AllowSetForegroundWindow(ASFW_ANY);
    ::SetForegroundWindow(ToHandle(window));
}

bool Win32Windows::Post(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam) {
    return ::PostMessageW(ToHandle(window), message, static_cast<WPARAM>(wParam),
                          static_cast<LPARAM>(lParam)) != FALSE;
}

bool Win32Windows::Send(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam, std::uint32_t timeoutMs) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(ToHandle(window), message, static_cast<WPARAM>(wParam),
                                 static_cast<LPARAM>(lParam), SMTO_ABORTIFHUNG | SMTO_NORMAL,
                                 timeoutMs, &result) != 0;
}

} // namespace platform::win32

#include "platform/win32/WideText.h"

#include <windows.h>

namespace platform::win32 {

namespace {
constexpr UINT kCodePage = 1252;
}

std::wstring Wide(const std::string& cp1252) {
    if (cp1252.empty()) {
        return {};
    }
    const int size = static_cast<int>(cp1252.size());
    const int length = MultiByteToWideChar(kCodePage, 0, cp1252.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage, 0, cp1252.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(const wchar_t* wide, std::size_t length, bool* lossy) {
    if (lossy != nullptr) {
        *lossy = false;
    }
    if (length == 0) {
        return {};
    }
    const int size = static_cast<int>(length);
    BOOL usedDefault = FALSE;
    const int bytes = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0,
                                          nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, size, text.data(), bytes, "?",
                        &usedDefault);
    if (lossy != nullptr) {
        *lossy = usedDefault != FALSE;
    }
    return text;
}

std::string Narrow(const std::wstring& wide, bool* lossy) {
    return Narrow(wide.data(), wide.size(), lossy);
}

} // namespace platform::win32

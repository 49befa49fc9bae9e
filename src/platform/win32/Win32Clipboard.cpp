#include "platform/win32/Win32Clipboard.h"

#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <cstring>

namespace platform::win32 {
namespace {

// A German locale: its ANSI code page is 1252, so a program that asks for the text in
// another form gets it converted from the right code page.
constexpr LCID kTextLocale = MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT);

struct GlobalMemoryTraits {
    static HGLOBAL Invalid() { return nullptr; }
    static void Close(HGLOBAL h) { GlobalFree(h); }
};
using GlobalMemory = UniqueHandle<HGLOBAL, GlobalMemoryTraits>;

GlobalMemory Copy(const void* data, std::size_t size) {
    GlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, size));
    if (memory) {
        void* target = ::GlobalLock(memory.Get());
        if (target == nullptr) {
            return GlobalMemory();
        }
        std::memcpy(target, data, size);
        ::GlobalUnlock(memory.Get());
    }
    return memory;
}

// The clipboard stays open from construction to destruction.
class OpenClipboardScope {
public:
    OpenClipboardScope() {
        // Another program may hold it for a moment.
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = ::OpenClipboard(::GetActiveWindow()) != 0;
            if (!open_) {
                ::Sleep(20);
            }
        }
    }
    ~OpenClipboardScope() {
        if (open_) {
            ::CloseClipboard();
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

// Hands the memory to the clipboard, which owns it from then on.
bool Put(UINT format, GlobalMemory memory) {
    if (!memory || ::SetClipboardData(format, memory.Get()) == nullptr) {
        return false;
    }
    memory.Release();
    return true;
}

} // namespace

bool Win32Clipboard::SetText(const std::string& text) {
    const std::wstring wide = Wide(text);
    const LCID locale = kTextLocale;
    OpenClipboardScope clipboard;
    if (!clipboard || !::EmptyClipboard()) {
        return false;
    }
    // Both forms, each with its terminating zero, so that no conversion is left to guess.
    return Put(CF_TEXT, Copy(text.c_str(), text.size() + 1)) &&
           Put(CF_UNICODETEXT, Copy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t))) &&
           Put(CF_LOCALE, Copy(&locale, sizeof locale));
}

} // namespace platform::win32

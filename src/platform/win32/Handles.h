// Owners of system handles: not copyable, movable, released on every path.
#pragma once

#include <windows.h>

#include <utility>

namespace platform::win32 {

template <class H, class Traits> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, Traits::Invalid()));
        }
        return *this;
    }
    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    H Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(H handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid()) {
            Traits::Close(handle_);
        }
        handle_ = handle;
    }

private:
    H handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct RegKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct WindowTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) { DestroyWindow(h); }
};

struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct BitmapTraits {
    static HBITMAP Invalid() { return nullptr; }
    static void Close(HBITMAP h) { DeleteObject(h); }
};

struct LocalMemoryTraits {
    static HLOCAL Invalid() { return nullptr; }
    static void Close(HLOCAL h) { LocalFree(h); }
};

using KernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using LocalMemory = UniqueHandle<HLOCAL, LocalMemoryTraits>;
using FileHandle = UniqueHandle<HANDLE, FileHandleTraits>;
using KeyHandle = UniqueHandle<HKEY, RegKeyTraits>;
using WindowHandle = UniqueHandle<HWND, WindowTraits>;
using IconHandle = UniqueHandle<HICON, IconTraits>;
using BitmapHandle = UniqueHandle<HBITMAP, BitmapTraits>;

} // namespace platform::win32

// The owner of one reference to a COM object: released on every path, never copied.
#pragma once

#include <utility>

namespace toolkit::win32 {

template <class T> class ComPtr {
public:
    ComPtr() = default;
    // Takes over the reference the caller holds.
    explicit ComPtr(T* object) : object_(object) {}
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }

    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For a call that hands out a reference; the one held before is released.
    T** Put() {
        Reset();
        return &object_;
    }
    void Reset() {
        if (T* object = std::exchange(object_, nullptr)) {
            object->Release();
        }
    }

private:
    T* object_ = nullptr;
};

} // namespace toolkit::win32

// The values of one key, read on a thread of their own while the program does other work,
// for the first listing of that key to take.
#pragma once

#include "platform/Registry.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace platform::win32 {

class KeyReadAhead {
public:
    using Values = std::vector<std::pair<std::string, RegValue>>;
    // Opens the key and reads its values; sets the status when it cannot list them all.
    using Reader = std::function<Values(RegStatus& status)>;

    KeyReadAhead() = default;
    KeyReadAhead(const KeyReadAhead&) = delete;
    KeyReadAhead& operator=(const KeyReadAhead&) = delete;
    ~KeyReadAhead();

    // Starts reading root\path (a path without outer backslashes); a reading started
    // before is dropped. Where no thread can be had, nothing is read ahead.
    void Start(HKEY root, std::wstring path, Reader reader);
    // The values read ahead of root\path, once: waits for the reading to end. Nothing when
    // no reading of that key is pending, or it failed.
    std::optional<Values> Take(HKEY root, const std::wstring& path);
    // Forgets a pending reading of root\path or of a key below it: that part of the store
    // is about to change, and what was read could be out of date.
    void DropWithin(HKEY root, const std::wstring& path);
    void Drop();

private:
    HKEY root_ = nullptr;
    std::wstring path_;
    std::thread thread_;
    // Written by the thread, read only after it has been joined.
    Values values_;
    bool read_ = false;
};

} // namespace platform::win32

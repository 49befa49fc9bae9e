#include "platform/win32/KeyReadAhead.h"

#include <system_error>

namespace platform::win32 {
namespace {

bool SameName(const wchar_t* a, std::size_t aLength, const wchar_t* b, std::size_t bLength) {
    return CompareStringOrdinal(a, static_cast<int>(aLength), b, static_cast<int>(bLength), TRUE) ==
           CSTR_EQUAL;
}

} // namespace

KeyReadAhead::~KeyReadAhead() {
    Drop();
}

void KeyReadAhead::Start(HKEY root, std::wstring path, Reader reader) {
    Drop();
    root_ = root;
    path_ = std::move(path);
    try {
        thread_ = std::thread([this, reader = std::move(reader)] {
            try {
                RegStatus status = kRegOk;
                values_ = reader(status);
                read_ = status == kRegOk;
            } catch (...) {
                // Out of memory: the listing reads the key itself.
                values_.clear();
                read_ = false;
            }
        });
    } catch (const std::system_error&) {
        root_ = nullptr;
    }
}

std::optional<KeyReadAhead::Values> KeyReadAhead::Take(HKEY root, const std::wstring& path) {
    if (!thread_.joinable() || root != root_ ||
        !SameName(path.c_str(), path.size(), path_.c_str(), path_.size())) {
        return std::nullopt;
    }
    thread_.join();
    std::optional<Values> values;
    if (read_) {
        values = std::move(values_);
    }
    Drop();
    return values;
}

void KeyReadAhead::DropWithin(HKEY root, const std::wstring& path) {
    if (!thread_.joinable() || root != root_) {
        return;
    }
    const bool below =
        path.empty() || (path_.size() > path.size() && path_[path.size()] == L'\\' &&
                         SameName(path_.c_str(), path.size(), path.c_str(), path.size()));
    if (below || SameName(path_.c_str(), path_.size(), path.c_str(), path.size())) {
        Drop();
    }
}

void KeyReadAhead::Drop() {
    if (thread_.joinable()) {
        thread_.join();
    }
    Values().swap(values_);
    read_ = false;
    root_ = nullptr;
    path_.clear();
}

} // namespace platform::win32

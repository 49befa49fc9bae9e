#include "platform/win32/Win32RegistryTree.h"

#include "platform/win32/Handles.h"

#include <algorithm>

namespace platform::win32 {
namespace {

using KeyHandle = UniqueHandle<HKEY, RegKeyTraits>;

std::u16string Utf16(const wchar_t* text, std::size_t length) {
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

RegStatus ReadValues(HKEY key, std::vector<RegTreeValue>& values) {
    DWORD longestName = 0;
    DWORD longestData = 0;
    LONG result = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, &longestName, &longestData, nullptr, nullptr);
    if (result != ERROR_SUCCESS) {
        return static_cast<RegStatus>(result);
    }
    std::wstring name(longestName + 1, L'\0');
    std::vector<BYTE> data(longestData + 1);
    for (DWORD index = 0;;) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        result =
            RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &size);
        if (result == ERROR_MORE_DATA) {
            // A value grew meanwhile: ask again with room for it.
            name.resize(name.size() * 2 + 256);
            data.resize(std::max<std::size_t>(data.size() * 2, size + 1));
            continue;
        }
        if (result == ERROR_NO_MORE_ITEMS) {
            return kRegOk;
        }
        if (result != ERROR_SUCCESS) {
            return static_cast<RegStatus>(result);
        }
        values.push_back(
            {Utf16(name.data(), nameLength), type, {data.begin(), data.begin() + size}});
        ++index;
    }
}

RegStatus SubKeyNames(HKEY key, std::vector<std::wstring>& names) {
    std::wstring name(256, L'\0');
    for (DWORD index = 0;;) {
        DWORD length = static_cast<DWORD>(name.size());
        const LONG result =
            RegEnumKeyExW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA) {
            name.resize(name.size() * 2);
            continue;
        }
        if (result == ERROR_NO_MORE_ITEMS) {
            return kRegOk;
        }
        if (result != ERROR_SUCCESS) {
            return static_cast<RegStatus>(result);
        }
        names.emplace_back(name.data(), length);
        ++index;
    }
}

} // namespace

RegStatus ReadRegistryTree(HKEY root, const std::wstring& path, std::vector<RegTreeKey>& keys) {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &opened);
    if (result != ERROR_SUCCESS) {
        return static_cast<RegStatus>(result);
    }
    const KeyHandle key(opened);
    keys.push_back({Utf16(path.data(), path.size()), {}});
    if (const RegStatus status = ReadValues(key.Get(), keys.back().values); status != kRegOk) {
        return status;
    }
    std::vector<std::wstring> names;
    if (const RegStatus status = SubKeyNames(key.Get(), names); status != kRegOk) {
        return status;
    }
    for (const std::wstring& name : names) {
        if (const RegStatus status = ReadRegistryTree(root, path + L"\\" + name, keys);
            status != kRegOk) {
            return status;
        }
    }
    return kRegOk;
}

RegStatus WriteRegistryTree(HKEY root, const std::wstring& path,
                            const std::vector<RegTreeKey>& keys) {
    if (const LONG result = RegDeleteTreeW(root, path.c_str());
        result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
        return static_cast<RegStatus>(result);
    }
    for (const RegTreeKey& key : keys) {
        const std::wstring keyPath(key.path.begin(), key.path.end());
        HKEY made = nullptr;
        LONG result = RegCreateKeyExW(root, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                      &made, nullptr);
        if (result != ERROR_SUCCESS) {
            return static_cast<RegStatus>(result);
        }
        const KeyHandle opened(made);
        for (const RegTreeValue& value : key.values) {
            const std::wstring name(value.name.begin(), value.name.end());
            result = RegSetValueExW(opened.Get(), name.c_str(), 0, value.type, value.data.data(),
                                    static_cast<DWORD>(value.data.size()));
            if (result != ERROR_SUCCESS) {
                return static_cast<RegStatus>(result);
            }
        }
    }
    return kRegOk;
}

} // namespace platform::win32

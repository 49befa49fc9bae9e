#include "platform/win32/Win32Registry.h"

#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <algorithm>

namespace platform::win32 {
namespace {

HKEY RootOf(Hive hive) {
    return hive == Hive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

std::wstring KeyPath(const std::string& path) {
    return Wide(TrimBackslashes(path));
}

bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Text values are stored as UTF-16; the program sees them as code page 1252 bytes with
// the terminating zero, as the ANSI registry functions would give them.
RegValue ToProgram(DWORD type, const BYTE* raw, std::size_t size) {
    RegValue value;
    value.type = type;
    if (!IsText(type)) {
        value.data.assign(raw, raw + size);
        return value;
    }
    const std::size_t length = size / sizeof(wchar_t);
    const bool terminated = length > 0 && raw[2 * length - 2] == 0 && raw[2 * length - 1] == 0;
    value.data.resize(terminated ? length : length + 1);
    NarrowInto(raw, length, reinterpret_cast<char*>(value.data.data()));
    if (!terminated) {
        value.data.back() = 0;
    }
    return value;
}

class Win32Key : public RegKey {
public:
    explicit Win32Key(HKEY key) : key_(key) {}

    std::optional<RegValueInfo> QueryValue(const std::string& name) override {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(key_.Get(), Wide(name).c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        // Text is stored as UTF-16: the program counts one byte per character.
        return RegValueInfo{type, IsText(type) ? size / static_cast<DWORD>(sizeof(wchar_t)) : size};
    }

    std::optional<RegValue> ReadValue(const std::string& name) override {
        const std::wstring wname = Wide(name);
        DWORD type = 0;
        // Most values fit the first buffer: one call to the registry.
        std::vector<BYTE> raw(1024);
        LONG result;
        for (;;) {
            DWORD size = static_cast<DWORD>(raw.size());
            result = RegQueryValueExW(key_.Get(), wname.c_str(), nullptr, &type, raw.data(), &size);
            if (result == ERROR_MORE_DATA) {
                raw.resize(size);
                continue;
            }
            raw.resize(size);
            break;
        }
        if (result != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return ToProgram(type, raw.data(), raw.size());
    }

    RegStatus WriteValue(const std::string& name, std::uint32_t type,
                         const std::vector<std::uint8_t>& data) override {
        const std::wstring wname = Wide(name);
        if (IsText(type)) {
            const std::wstring text =
                Wide(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
            // With the terminating zero the string keeps after its characters.
            return static_cast<RegStatus>(RegSetValueExW(
                key_.Get(), wname.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))));
        }
        return static_cast<RegStatus>(RegSetValueExW(key_.Get(), wname.c_str(), 0, type,
                                                     data.empty() ? nullptr : data.data(),
                                                     static_cast<DWORD>(data.size())));
    }

    RegStatus DeleteValue(const std::string& name) override {
        return static_cast<RegStatus>(RegDeleteValueW(key_.Get(), Wide(name).c_str()));
    }

    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
        DWORD count = 0;
        DWORD longest = 0;
        if (RegQueryInfoKeyW(key_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             &count, &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            return names;
        }
        names.reserve(count);
        std::wstring buffer(longest + 1, L'\0');
        for (DWORD index = 0;; ++index) {
            DWORD length = static_cast<DWORD>(buffer.size());
            const LONG result = RegEnumValueW(key_.Get(), index, buffer.data(), &length, nullptr,
                                              nullptr, nullptr, nullptr);
            if (result == ERROR_MORE_DATA) {
                buffer.resize(buffer.size() * 2 + 256);
                --index;
                continue;
            }
            if (result != ERROR_SUCCESS) {
                break;
            }
            names.push_back(Narrow(buffer.data(), length));
        }
        return names;
    }

    std::vector<std::pair<std::string, RegValue>> Values() override {
        std::vector<std::pair<std::string, RegValue>> values;
        DWORD count = 0;
        DWORD longestName = 0;
        DWORD longestData = 0;
        if (RegQueryInfoKeyW(key_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             &count, &longestName, &longestData, nullptr,
                             nullptr) != ERROR_SUCCESS) {
            return values;
        }
        values.reserve(count);
        std::wstring name(longestName + 1, L'\0');
        std::vector<BYTE> data(longestData + sizeof(wchar_t));
        for (DWORD index = 0;;) {
            DWORD nameLength = static_cast<DWORD>(name.size());
            DWORD dataSize = static_cast<DWORD>(data.size());
            DWORD type = 0;
            const LONG result = RegEnumValueW(key_.Get(), index, name.data(), &nameLength, nullptr,
                                              &type, data.data(), &dataSize);
            if (result == ERROR_MORE_DATA) {
                // A value grew meanwhile: ask again with room for it.
                name.resize(name.size() * 2 + 256);
                data.resize(std::max<std::size_t>(data.size() * 2, dataSize + sizeof(wchar_t)));
                continue;
            }
            if (result != ERROR_SUCCESS) {
                break;
            }
            values.emplace_back(Narrow(name.data(), nameLength),
                                ToProgram(type, data.data(), dataSize));
            ++index;
        }
        return values;
    }

    std::vector<std::string> SubKeyNames() override {
        std::vector<std::string> names;
        wchar_t buffer[256];
        for (DWORD index = 0;; ++index) {
            DWORD length = 256;
            if (RegEnumKeyExW(key_.Get(), index, buffer, &length, nullptr, nullptr, nullptr,
                              nullptr) != ERROR_SUCCESS) {
                break;
            }
            names.push_back(Narrow(buffer, length));
        }
        return names;
    }

    RegStatus CreateSubKey(const std::string& name) override {
        HKEY sub = nullptr;
        const LONG result = RegCreateKeyExW(key_.Get(), KeyPath(name).c_str(), 0, nullptr, 0,
                                            KEY_ALL_ACCESS, nullptr, &sub, nullptr);
        KeyHandle owner(sub);
        return static_cast<RegStatus>(result);
    }

private:
    KeyHandle key_;
};

} // namespace

std::unique_ptr<RegKey> Win32Registry::Open(Hive hive, const std::string& path, bool create,
                                            RegStatus* status) {
    HKEY key = nullptr;
    LONG result;
    const std::wstring wpath = KeyPath(path);
    if (create) {
        result = RegCreateKeyExW(RootOf(hive), wpath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                 nullptr, &key, nullptr);
    } else {
        result = RegOpenKeyExW(RootOf(hive), wpath.c_str(), 0, KEY_ALL_ACCESS, &key);
        if (result == ERROR_ACCESS_DENIED) {
            // Keys of the machine hive are readable without being writable.
            result = RegOpenKeyExW(RootOf(hive), wpath.c_str(), 0, KEY_READ, &key);
        }
    }
    if (status != nullptr) {
        *status = static_cast<RegStatus>(result);
    }
    if (result != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32Key>(key);
}

RegStatus Win32Registry::DeleteKey(Hive hive, const std::string& path) {
    const std::wstring wpath = KeyPath(path);
    if (wpath.empty()) {
        return ERROR_ACCESS_DENIED;
    }
    // A key without subkeys goes with all its values in one call; otherwise the tree is
    // taken apart from below.
    if (RegDeleteKeyW(RootOf(hive), wpath.c_str()) == ERROR_SUCCESS) {
        return kRegOk;
    }
    return static_cast<RegStatus>(RegDeleteTreeW(RootOf(hive), wpath.c_str()));
}

bool Win32Registry::KeepsValuesInNameOrder() const {
    static const bool underWine = [] {
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return underWine;
}

std::string Win32Registry::ErrorText(RegStatus status) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, status, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    LocalMemory owner(static_cast<HLOCAL>(buffer));
    std::wstring text;
    if (buffer != nullptr) {
        text.assign(buffer, length);
    }
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    if (text.empty()) {
        return "Fehler " + std::to_string(status);
    }
    return Narrow(text);
}

} // namespace platform::win32

#include "platform/win32/Win32Registry.h"

#include "platform/Cp1252.h"
#include "platform/win32/Handles.h"
#include "platform/win32/KeyReadAhead.h"
#include "platform/win32/UnderWine.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32RegistryTree.h"

#include <windows.h>

#include <algorithm>
#include <bit>
#include <exception>
#include <functional>
#include <system_error>
#include <thread>

namespace platform::win32 {
namespace {

HKEY RootOf(Hive hive) {
    return hive == Hive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

std::wstring KeyPath(const std::string& path) {
    return Wide(TrimBackslashes(path));
}

// Under Wine every registry call is a round trip to the wine server. With more than one
// processor, several calls under way at once take a fraction of the time the same calls
// take one after another (10,000 values read: ~0.12 s with four threads, ~0.55 s with
// one); on Windows the calls are cheap either way. Below this many values one thread is
// as quick.
constexpr std::size_t kValuesForHelpers = 1000;

// Two parts per processor this process may run on, at most four. Most of a call's time is
// the wine server waking to answer: with two calls under way per processor it finds the
// next one waiting (10,000 values on two processors: written in 0.20 s by four parts, in
// 0.30 s by two). Confined to one processor, two parts are quicker than four. Each thread
// costs the process memory under Wine: eight parts took 2 MiB more than four.
unsigned Parts() {
    static const unsigned parts = [] {
        DWORD_PTR allowed = 0;
        DWORD_PTR system = 0;
        const int processors =
            GetProcessAffinityMask(GetCurrentProcess(), &allowed, &system) != FALSE
                ? std::popcount(static_cast<std::uint64_t>(allowed))
                : 1;
        return static_cast<unsigned>(std::clamp(2 * processors, 1, 4));
    }();
    return parts;
}

// Runs work(0) on the calling thread and work(1..parts-1) on threads of their own, and
// returns when all are done. The first exception is passed on; a thread that cannot be
// had runs its part here.
void RunInParallel(unsigned parts, const std::function<void(unsigned)>& work) {
    std::vector<std::exception_ptr> errors(parts);
    auto guarded = [&](unsigned part) {
        try {
            work(part);
        } catch (...) {
            errors[part] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    // Room first: once a thread runs, nothing here may throw before it is joined.
    threads.reserve(parts);
    for (unsigned part = 1; part < parts; ++part) {
        try {
            threads.emplace_back(guarded, part);
        } catch (const std::system_error&) {
            guarded(part);
        }
    }
    guarded(0);
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const std::exception_ptr& error : errors) {
        if (error) {
            std::rethrow_exception(error);
        }
    }
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
    if (NarrowInto(raw, length, reinterpret_cast<char*>(value.data.data()))) {
        // Shown with '?': the stored characters are kept to be written back untouched.
        value.original.assign(raw, raw + size);
    }
    if (!terminated) {
        value.data.back() = 0;
    }
    return value;
}

class Win32Key : public RegKey {
public:
    explicit Win32Key(HKEY key) : key_(key) {}
    // A key of the program's registry: its first listing may take the values read ahead,
    // and its writes make them out of date.
    Win32Key(HKEY key, HKEY root, std::wstring path, std::shared_ptr<KeyReadAhead> readAhead)
        : key_(key), root_(root), path_(std::move(path)), readAhead_(std::move(readAhead)) {}

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
        Changing();
        return WriteOne(key_.Get(), name, type, data);
    }

    RegStatus WriteValues(const std::vector<std::pair<std::string, RegValue>>& values,
                          std::size_t* failed) override {
        Changing();
        std::vector<std::size_t> order(values.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            order[i] = i;
        }
        if (!UnderWine()) {
            return WriteInOrder(values, order, failed);
        }
        // The store lists the values by name whatever the order of writing; written in name
        // order it appends them instead of inserting. A name given twice stays in the
        // given order, so that the later data remains.
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return NameLessIgnoringCase(values[a].first, values[b].first);
        });
        if (values.size() < kValuesForHelpers || Parts() == 1) {
            return WriteInOrder(values, order, failed);
        }
        // Every name goes to one part, the names dealt out in turn: each part writes in name
        // order, all parts move through the names together and the store keeps appending.
        const unsigned partCount = Parts();
        std::vector<std::vector<std::size_t>> parts(partCount);
        unsigned part = 0;
        for (std::size_t i = 0; i < order.size(); ++i) {
            if (i > 0 &&
                !SameNameIgnoringCase(values[order[i]].first, values[order[i - 1]].first)) {
                part = (part + 1) % partCount;
            }
            parts[part].push_back(order[i]);
        }
        std::vector<RegStatus> statuses(partCount, kRegOk);
        std::vector<std::size_t> failures(partCount, 0);
        RunInParallel(partCount, [&](unsigned p) {
            statuses[p] = WriteInOrder(values, parts[p], &failures[p]);
        });
        for (unsigned p = 0; p < partCount; ++p) {
            if (statuses[p] != kRegOk) {
                if (failed != nullptr) {
                    *failed = failures[p];
                }
                return statuses[p];
            }
        }
        return kRegOk;
    }

    RegStatus DeleteValue(const std::string& name) override {
        Changing();
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

    std::vector<std::pair<std::string, RegValue>> Values(RegStatus* status) override {
        RegStatus ignored = kRegOk;
        RegStatus& result = status != nullptr ? *status : ignored;
        if (readAhead_ != nullptr) {
            if (auto values = readAhead_->Take(root_, path_)) {
                result = kRegOk;
                return std::move(*values);
            }
        }
        return ListValues(result);
    }

    std::vector<std::pair<std::string, RegValue>> ListValues(RegStatus& result) {
        std::vector<std::pair<std::string, RegValue>> values;
        DWORD count = 0;
        DWORD longestName = 0;
        DWORD longestData = 0;
        result = static_cast<RegStatus>(
            RegQueryInfoKeyW(key_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             &count, &longestName, &longestData, nullptr, nullptr));
        if (result != kRegOk) {
            return values;
        }
        if (count < kValuesForHelpers || !UnderWine() || Parts() == 1) {
            values.reserve(count);
            result = ReadRange(0, kToTheEnd, longestName, longestData,
                               [&](std::size_t, std::string name, RegValue value) {
                                   values.emplace_back(std::move(name), std::move(value));
                               });
            return values;
        }
        // Each part fills its own slots of one list, so the values are never held twice
        // over. The last part reads on to the end, in case values were added meanwhile.
        const unsigned partCount = Parts();
        values.resize(count);
        std::vector<std::pair<std::string, RegValue>> added;
        std::vector<RegStatus> statuses(partCount, kRegOk);
        std::vector<std::size_t> filled(partCount, 0);
        const auto firstOf = [&](unsigned part) {
            return static_cast<DWORD>(std::uint64_t{count} * part / partCount);
        };
        RunInParallel(partCount, [&](unsigned part) {
            const DWORD from = firstOf(part);
            const DWORD to = part + 1 == partCount ? kToTheEnd : firstOf(part + 1);
            statuses[part] =
                ReadRange(from, to, longestName, longestData,
                          [&](std::size_t index, std::string name, RegValue value) {
                              if (index < count) {
                                  values[index] = {std::move(name), std::move(value)};
                                  ++filled[part];
                              } else {
                                  added.emplace_back(std::move(name), std::move(value));
                              }
                          });
        });
        // Every part's failure counts: a part that stopped early leaves a gap.
        for (RegStatus partStatus : statuses) {
            if (partStatus != kRegOk && result == kRegOk) {
                result = partStatus;
            }
        }
        // Slots a part did not reach (values removed meanwhile) are dropped.
        std::size_t kept = 0;
        for (unsigned part = 0; part < partCount; ++part) {
            const std::size_t from = firstOf(part);
            for (std::size_t i = from; i < from + filled[part]; ++i) {
                if (kept != i) {
                    values[kept] = std::move(values[i]);
                }
                ++kept;
            }
        }
        values.resize(kept);
        std::move(added.begin(), added.end(), std::back_inserter(values));
        return values;
    }

    std::optional<std::size_t> ValueCount(RegStatus* status) override {
        DWORD count = 0;
        const LONG result =
            RegQueryInfoKeyW(key_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             &count, nullptr, nullptr, nullptr, nullptr);
        if (status != nullptr) {
            *status = static_cast<RegStatus>(result);
        }
        return result == ERROR_SUCCESS ? std::optional<std::size_t>(count) : std::nullopt;
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

private:
    static constexpr DWORD kToTheEnd = MAXDWORD;

    void Changing() {
        if (readAhead_ != nullptr) {
            readAhead_->DropWithin(root_, path_);
        }
    }

    static RegStatus WriteOne(HKEY key, const std::string& name, std::uint32_t type,
                              const std::vector<std::uint8_t>& data,
                              const std::vector<std::uint8_t>& original = {}) {
        const std::wstring wname = Wide(name);
        if (IsText(type) && !original.empty()) {
            // The store's own characters, as they were read.
            return static_cast<RegStatus>(RegSetValueExW(
                key, wname.c_str(), 0, type, original.data(), static_cast<DWORD>(original.size())));
        }
        if (IsText(type)) {
            const std::wstring text =
                Wide(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
            // With the terminating zero the string keeps after its characters.
            return static_cast<RegStatus>(RegSetValueExW(
                key, wname.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))));
        }
        return static_cast<RegStatus>(RegSetValueExW(key, wname.c_str(), 0, type,
                                                     data.empty() ? nullptr : data.data(),
                                                     static_cast<DWORD>(data.size())));
    }

    // Writes values[order[0]], values[order[1]], ... and stops at the first failure.
    RegStatus WriteInOrder(const std::vector<std::pair<std::string, RegValue>>& values,
                           const std::vector<std::size_t>& order, std::size_t* failed) {
        for (std::size_t index : order) {
            const RegValue& value = values[index].second;
            const RegStatus status =
                WriteOne(key_.Get(), values[index].first, value.type, value.data, value.original);
            if (status != kRegOk) {
                if (failed != nullptr) {
                    *failed = index;
                }
                return status;
            }
        }
        return kRegOk;
    }

    // Reads the values from index from up to (not including) index to, or to the end, and
    // hands each to take with its index. Returns why it stopped early, kRegOk when it read
    // them all.
    template <typename Take>
    RegStatus ReadRange(DWORD from, DWORD to, DWORD longestName, DWORD longestData, Take take) {
        std::wstring name(longestName + 1, L'\0');
        std::vector<BYTE> data(longestData + sizeof(wchar_t));
        for (DWORD index = from; index < to;) {
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
            if (result == ERROR_NO_MORE_ITEMS) {
                // Only the part that reads to the end may meet the end.
                return to == kToTheEnd ? kRegOk : static_cast<RegStatus>(result);
            }
            if (result != ERROR_SUCCESS) {
                return static_cast<RegStatus>(result);
            }
            take(index, Narrow(name.data(), nameLength), ToProgram(type, data.data(), dataSize));
            ++index;
        }
        return kRegOk;
    }

    KeyHandle key_;
    HKEY root_ = nullptr;
    std::wstring path_;
    std::shared_ptr<KeyReadAhead> readAhead_;
};

} // namespace

std::unique_ptr<RegKey> Win32Registry::Open(Hive hive, const std::string& path, bool create,
                                            RegStatus* status) {
    HKEY key = nullptr;
    LONG result;
    const std::wstring wpath = KeyPath(path);
    result = RegOpenKeyExW(RootOf(hive), wpath.c_str(), 0, KEY_ALL_ACCESS, &key);
    if (result == ERROR_ACCESS_DENIED) {
        // A key that may be read but not written (the machine hive's, or one a user
        // protected) opens for reading: its values can be shown, and writes report the
        // real reason.
        result = RegOpenKeyExW(RootOf(hive), wpath.c_str(), 0, KEY_READ, &key);
    } else if (result == ERROR_FILE_NOT_FOUND && create) {
        // Created only when missing.
        result = RegCreateKeyExW(RootOf(hive), wpath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                 nullptr, &key, nullptr);
    }
    if (status != nullptr) {
        *status = static_cast<RegStatus>(result);
    }
    if (result != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32Key>(key, RootOf(hive), wpath, readAhead_);
}

std::unique_ptr<RegKey> Win32Registry::OpenReadOnly(Hive hive, const std::string& path,
                                                    bool createMissing, RegStatus* status) {
    HKEY key = nullptr;
    const std::wstring wpath = KeyPath(path);
    LONG result = RegOpenKeyExW(RootOf(hive), wpath.c_str(), 0, KEY_READ, &key);
    if (result == ERROR_FILE_NOT_FOUND && createMissing) {
        // The handle of a key made here carries the same read access only.
        result = RegCreateKeyExW(RootOf(hive), wpath.c_str(), 0, nullptr, 0, KEY_READ, nullptr,
                                 &key, nullptr);
    }
    if (status != nullptr) {
        *status = static_cast<RegStatus>(result);
    }
    if (result != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32Key>(key, RootOf(hive), wpath, readAhead_);
}

void Win32Registry::ReadAhead(Hive hive, const std::string& path) {
    const HKEY root = RootOf(hive);
    std::wstring wpath = KeyPath(path);
    readAhead_->Start(root, wpath, [root, wpath](RegStatus& status) {
        HKEY key = nullptr;
        status = static_cast<RegStatus>(RegOpenKeyExW(root, wpath.c_str(), 0, KEY_READ, &key));
        return status == kRegOk ? Win32Key(key).Values(&status) : KeyReadAhead::Values();
    });
}

RegStatus Win32Registry::DeleteKey(Hive hive, const std::string& path) {
    const std::wstring wpath = KeyPath(path);
    if (wpath.empty()) {
        return ERROR_ACCESS_DENIED;
    }
    readAhead_->DropWithin(RootOf(hive), wpath);
    // A key without subkeys goes with all its values in one call; otherwise the tree is
    // taken apart from below.
    if (RegDeleteKeyW(RootOf(hive), wpath.c_str()) == ERROR_SUCCESS) {
        return kRegOk;
    }
    return static_cast<RegStatus>(RegDeleteTreeW(RootOf(hive), wpath.c_str()));
}

RegStatus Win32Registry::ReadTree(Hive hive, const std::string& path,
                                  std::vector<RegTreeKey>& keys) {
    return ReadRegistryTree(RootOf(hive), KeyPath(path), keys);
}

RegStatus Win32Registry::WriteTree(Hive hive, const std::string& path,
                                   const std::vector<RegTreeKey>& keys) {
    readAhead_->DropWithin(RootOf(hive), KeyPath(path));
    return WriteRegistryTree(RootOf(hive), KeyPath(path), keys);
}

bool Win32Registry::KeepsValuesInNameOrder() const {
    return UnderWine();
}

std::string Win32Registry::ErrorText(RegStatus status) {
    return SystemErrorText(status);
}

} // namespace platform::win32

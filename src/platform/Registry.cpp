#include "platform/Registry.h"

#include "platform/Utf16Text.h"

namespace platform {

std::string TrimBackslashes(const std::string& path) {
    std::size_t begin = 0;
    std::size_t end = path.size();
    while (begin < end && path[begin] == '\\') {
        ++begin;
    }
    while (end > begin && path[end - 1] == '\\') {
        --end;
    }
    return path.substr(begin, end - begin);
}

RegStatus Registry::ReadTree(Hive hive, const std::string& path, std::vector<RegTreeKey>& keys) {
    RegStatus status = kRegOk;
    const std::unique_ptr<RegKey> key = OpenReadOnly(hive, path, false, &status);
    if (key == nullptr) {
        return status;
    }
    const std::string trimmed = TrimBackslashes(path);
    keys.push_back({Utf16FromCp1252(trimmed), {}});
    for (auto& [name, value] : key->Values(&status)) {
        const bool text = value.type == static_cast<std::uint32_t>(RegType::Sz) ||
                          value.type == static_cast<std::uint32_t>(RegType::ExpandSz) ||
                          value.type == static_cast<std::uint32_t>(RegType::MultiSz);
        std::vector<std::uint8_t> data = std::move(value.data);
        if (text) {
            data = !value.original.empty()
                       ? std::move(value.original)
                       : Utf16LeBytes(Utf16FromCp1252(
                             {reinterpret_cast<const char*>(data.data()), data.size()}));
        }
        keys.back().values.push_back({Utf16FromCp1252(name), value.type, std::move(data)});
    }
    if (status != kRegOk) {
        return status;
    }
    for (const std::string& name : key->SubKeyNames()) {
        if (const RegStatus below = ReadTree(hive, trimmed + "\\" + name, keys); below != kRegOk) {
            return below;
        }
    }
    return kRegOk;
}

RegStatus Registry::WriteTree(Hive hive, const std::string& path,
                              const std::vector<RegTreeKey>& keys) {
    if (const RegStatus status = DeleteKey(hive, path);
        status != kRegOk && status != kRegFileNotFound) {
        return status;
    }
    for (const RegTreeKey& key : keys) {
        RegStatus status = kRegOk;
        const std::unique_ptr<RegKey> opened = Open(hive, Cp1252FromUtf16(key.path), true, &status);
        if (opened == nullptr) {
            return status;
        }
        std::vector<std::pair<std::string, RegValue>> values;
        for (const RegTreeValue& value : key.values) {
            RegValue written(value.type, value.data);
            if (IsTextType(value.type)) {
                const std::string text = Cp1252FromUtf16(Utf16FromLeBytes(value.data));
                written.data.assign(text.begin(), text.end());
                const bool terminated = value.type != TypeNumber(RegType::MultiSz) &&
                                        !written.data.empty() && written.data.back() == 0;
                if (terminated) {
                    // The store adds the terminating zero of a plain or expandable text.
                    written.data.pop_back();
                    std::vector<std::uint8_t> asRead = written.data;
                    asRead.push_back(0);
                    if (Utf16LeBytes(Utf16FromCp1252({reinterpret_cast<const char*>(asRead.data()),
                                                      asRead.size()})) != value.data) {
                        written.original = value.data;
                    }
                } else if (value.type != TypeNumber(RegType::MultiSz)) {
                    written.original = value.data;
                }
            }
            values.emplace_back(Cp1252FromUtf16(value.name), std::move(written));
        }
        if (const RegStatus written = opened->WriteValues(values, nullptr); written != kRegOk) {
            return written;
        }
    }
    return kRegOk;
}

} // namespace platform

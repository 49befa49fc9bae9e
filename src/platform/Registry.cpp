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

} // namespace platform

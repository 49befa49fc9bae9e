// A key with its subkeys as the registry itself keeps them, for copies that must come back
// exactly: names in UTF-16 whatever code page the program uses, texts as their UTF-16 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct RegTreeValue {
    std::u16string name; // empty for the key's default value
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data; // texts as UTF-16 bytes, low byte first
    bool operator==(const RegTreeValue&) const = default;
};

struct RegTreeKey {
    std::u16string path; // below the hive
    std::vector<RegTreeValue> values;
    bool operator==(const RegTreeKey&) const = default;
};

} // namespace platform

// TOptionsRegistry: the registry accessor with typed access to the option values.
#pragma once

#include "settings/Registry.h"

#include <cstdint>
#include <string>

namespace settings {

class TOptionsRegistry : public TRegistry {
public:
    explicit TOptionsRegistry(platform::Hive root) : TRegistry(root) {}

    std::uint8_t ReadByteValue(const std::string& name, std::uint8_t defaultValue);
    void WriteByteValue(const std::string& name, std::uint8_t value);
    std::uint8_t ReadOption(int option);
    void WriteOption(int option, std::uint8_t value);
    void WriteOptionString(int option, const std::string& text);
};

} // namespace settings

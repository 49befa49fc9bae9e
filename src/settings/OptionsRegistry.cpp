#include "settings/OptionsRegistry.h"

#include "settings/Names.h"

namespace settings {

std::uint8_t TOptionsRegistry::ReadByteValue(const std::string& name, std::uint8_t defaultValue) {
    if (!ValueExists(name)) {
        return defaultValue;
    }
    std::uint8_t buffer = defaultValue;
    ReadBinaryData(name, &buffer, 1);
    return buffer;
}

void TOptionsRegistry::WriteByteValue(const std::string& name, std::uint8_t value) {
    WriteBinaryData(name, &value, 1);
}

std::uint8_t TOptionsRegistry::ReadOption(int option) {
    return ReadByteValue(OptionValueNames.at(option), 0);
}

void TOptionsRegistry::WriteOption(int option, std::uint8_t value) {
    WriteByteValue(OptionValueNames.at(option), value);
}

void TOptionsRegistry::WriteOptionString(int option, const std::string& text) {
    WriteString(OptionValueNames.at(option), text);
}

} // namespace settings

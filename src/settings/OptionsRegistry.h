// TOptionsRegistry: the registry accessor with typed access to the option values, and
// SettingsRegistry, the one long-lived accessor that keeps the settings key open.
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
    std::string ReadOptionString(int option);
    void WriteOptionString(int option, const std::string& text);
};

// Creates SettingsRegistry rooted at HKEY_CURRENT_USER and opens the settings key,
// creating it when missing.
void OpenSettingsStore();
// Why the settings key, which exists, could not be opened at start-up ("Fehler beim Lesen
// des Schlüssels ..."); empty when it opened or was missing. A key the user may not read
// holds settings all the same: it is neither taken for a first run nor written.
std::string SettingsKeyReadError();
// Releases SettingsRegistry, which closes its key.
void CloseSettingsStore();
// The open store; OpenSettingsStore must have run.
TOptionsRegistry& SettingsRegistry();

} // namespace settings

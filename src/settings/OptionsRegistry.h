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

// Creates SettingsRegistry rooted at HKEY_CURRENT_USER and opens the settings key for
// reading, as OpenSettingsKeyForReading does.
void OpenSettingsStore();
// Opens the store's settings key again asking for read access only, creating it when
// missing; every load of the options starts here.
void OpenSettingsKeyForReading();
// Opens the store's settings key for writing, creating it when missing, and returns the
// store; every write of the options starts here. A key that may be read but not written
// opens for reading and its writes say why they fail; a key that does not open at all
// leaves the store without a key, and its writes give the reason it did not open.
TOptionsRegistry& SettingsStoreForWriting();
// Why the settings key, which exists, could not be opened by the last opening for reading
// ("Fehler beim Lesen des Schlüssels ..."); empty when it opened or was missing. A key the
// user may not read holds settings all the same: it is neither taken for a first run nor
// written.
std::string SettingsKeyReadError();
// Releases SettingsRegistry, which closes its key.
void CloseSettingsStore();
// The open store; OpenSettingsStore must have run.
TOptionsRegistry& SettingsRegistry();

} // namespace settings

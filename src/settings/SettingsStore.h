// TSettingsStore: the settings key's accessor, kept open for the whole run, and why the
// key could not be read. Made once at start-up and passed to whoever reads or writes the
// settings key.
#pragma once

#include "settings/OptionsRegistry.h"

#include <string>

namespace settings {

class TSettingsStore {
public:
    // Rooted at HKEY_CURRENT_USER; opens the settings key as OpenForReading does.
    TSettingsStore();
    TSettingsStore(const TSettingsStore&) = delete;
    TSettingsStore& operator=(const TSettingsStore&) = delete;

    // Opens the settings key again asking for read access only, creating it when missing;
    // every load of the options starts here.
    void OpenForReading();
    // Opens the settings key for writing, creating it when missing; every write of the
    // options starts here. A key that may be read but not written opens for reading and
    // its writes say why they fail; a key that does not open at all leaves the accessor
    // without a key, and its writes give the reason it did not open.
    TOptionsRegistry& ForWriting();
    // Why the settings key, which exists, could not be opened by the last opening for
    // reading ("Fehler beim Lesen des Schlüssels ..."); empty when it opened or was
    // missing. A key the user may not read holds settings all the same: it is neither
    // taken for a first run nor written.
    const std::string& ReadError() const { return readError_; }
    // The accessor as it was last opened.
    TOptionsRegistry& Registry() { return registry_; }

private:
    TOptionsRegistry registry_{platform::Hive::CurrentUser};
    std::string readError_;
};

} // namespace settings

#include "settings/SettingsStore.h"

#include "settings/Layout.h"
#include "settings/StoreError.h"

namespace settings {

TSettingsStore::TSettingsStore() {
    OpenForReading();
}

void TSettingsStore::OpenForReading() {
    readError_.clear();
    try {
        if (registry_.OpenKeyForLoading("\\" + std::string(kSettingsKey))) {
            return;
        }
    } catch (const StoreError& e) {
        readError_ = e.what();
    }
    registry_.CloseKey();
}

TOptionsRegistry& TSettingsStore::ForWriting() {
    if (!registry_.OpenKey("\\" + std::string(kSettingsKey), true)) {
        registry_.CloseKey();
    }
    return registry_;
}

} // namespace settings

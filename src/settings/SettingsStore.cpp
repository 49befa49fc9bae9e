#include "settings/SettingsStore.h"

#include "settings/Layout.h"
#include "settings/StoreError.h"

namespace settings {

TSettingsStore::TSettingsStore() {
    OpenForReading();
}

void TSettingsStore::OpenForReading() {
    readError_.clear();
    std::string unreadable;
    if (registry_.OpenKeyForLoading("\\" + std::string(kSettingsKey), &unreadable)) {
        return;
    }
    registry_.CloseKey();
    if (!unreadable.empty()) {
        readError_ = KeyReadErrorText(registry_.FullKeyName(kSettingsKey), unreadable);
    }
}

TOptionsRegistry& TSettingsStore::ForWriting() {
    if (!registry_.OpenKey("\\" + std::string(kSettingsKey), true)) {
        registry_.CloseKey();
    }
    return registry_;
}

} // namespace settings

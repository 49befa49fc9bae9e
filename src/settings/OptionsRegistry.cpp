#include "settings/OptionsRegistry.h"

#include "platform/Services.h"
#include "settings/Layout.h"
#include "settings/Names.h"
#include "settings/StoreError.h"

#include <memory>
#include <stdexcept>

namespace settings {
namespace {

std::unique_ptr<TOptionsRegistry> store;
std::string readError;

} // namespace

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

std::string TOptionsRegistry::ReadOptionString(int option) {
    return ReadString(OptionValueNames.at(option));
}

void TOptionsRegistry::WriteOptionString(int option, const std::string& text) {
    WriteString(OptionValueNames.at(option), text);
}

void OpenSettingsStore() {
    store = std::make_unique<TOptionsRegistry>(platform::Hive::CurrentUser);
    OpenSettingsKeyForReading();
}

void OpenSettingsKeyForReading() {
    TOptionsRegistry& reg = SettingsRegistry();
    readError.clear();
    std::string unreadable;
    if (reg.OpenKeyForLoading("\\" + std::string(kSettingsKey), &unreadable)) {
        return;
    }
    reg.CloseKey();
    if (!unreadable.empty()) {
        readError = KeyReadErrorText(reg.FullKeyName(kSettingsKey), unreadable);
    }
}

TOptionsRegistry& SettingsStoreForWriting() {
    TOptionsRegistry& reg = SettingsRegistry();
    if (!reg.OpenKey("\\" + std::string(kSettingsKey), true)) {
        reg.CloseKey();
    }
    return reg;
}

std::string SettingsKeyReadError() {
    return readError;
}

void CloseSettingsStore() {
    store.reset();
}

TOptionsRegistry& SettingsRegistry() {
    if (store == nullptr) {
        throw std::logic_error("the settings store is not open");
    }
    return *store;
}

} // namespace settings

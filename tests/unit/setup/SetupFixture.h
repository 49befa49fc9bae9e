// Shared set-up of the installation and uninstallation tests: the fakes, the open settings
// store, and the registry read back as text.
#pragma once

#include "platform/fake/FakePlatform.h"
#include "settings/SettingsStore.h"
#include "toolkit/fake/FakeApplicationHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class SetupFixture : public testing::Test {
protected:
    // Every value of the key in the order the store keeps them (the order of writing):
    // "name=text" for REG_SZ, "name=#hex bytes" for anything else.
    std::vector<std::string> Values(const std::string& path) {
        std::vector<std::string> result;
        for (const std::string& name :
             fake.registry.ValueNamesOf(platform::Hive::CurrentUser, path)) {
            const auto value = fake.registry.GetValue(platform::Hive::CurrentUser, path, name);
            std::string text = name + "=";
            if (value->type == static_cast<std::uint32_t>(platform::RegType::Sz)) {
                text.append(value->data.begin(), value->data.end());
                while (!text.empty() && text.back() == '\0') {
                    text.pop_back();
                }
            } else {
                static const char digits[] = "0123456789ABCDEF";
                text += '#';
                for (std::uint8_t byte : value->data) {
                    text += digits[byte >> 4];
                    text += digits[byte & 15];
                }
            }
            result.push_back(text);
        }
        return result;
    }
    // An empty store with the settings key open again, as at start-up.
    void ClearStore() {
        for (const char* key : {"Software", "AppEvents"}) {
            fake.registry.DeleteKey(platform::Hive::CurrentUser, key);
        }
        store.OpenForReading();
    }
    bool KeyExists(const std::string& path) {
        return fake.registry.KeyExists(platform::Hive::CurrentUser, path);
    }
    void SetString(const std::string& path, const std::string& name, const std::string& text) {
        fake.registry.SetString(platform::Hive::CurrentUser, path, name, text);
    }
    platform::WindowId StartDriverWindow() { return fake.windows.Add("Tastor32", "Tastor32"); }

    platform::fake::FakePlatform fake;
    toolkit::fake::FakeApplicationHost host;
    // Opened, as at start-up, once the fakes are in place.
    settings::TSettingsStore store;
};

// The registries the shared suites run against: the fake natively, the real one under Wine.
#pragma once

#include "platform/Registry.h"
#include "platform/fake/FakePlatform.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

struct RegistryUnderTest {
    std::string name;
    std::function<std::unique_ptr<platform::Registry>()> make;
};

// The fake as Wine's registry behaves: every key lists its values by name.
inline std::unique_ptr<platform::Registry> FakeListingByName() {
    auto registry = std::make_unique<platform::fake::FakeRegistry>();
    registry->KeepValuesInNameOrder(true);
    return registry;
}

inline std::string RegistryName(const testing::TestParamInfo<RegistryUnderTest>& info) {
    return info.param.name;
}

// All fakes installed, with the registry replaced by the one under test. Each test works
// below its own key, deleted before and after.
class RegistryFixture : public testing::TestWithParam<RegistryUnderTest> {
protected:
    void SetUp() override {
        registry_ = GetParam().make();
        struct {
            platform::Registry& registry;
        } underTest{*registry_};
        installed_.emplace(platform::ServicesOf(underTest, platform::Installed()));
        registry_->DeleteKey(platform::Hive::CurrentUser, kTestRoot);
    }
    void TearDown() override {
        registry_->DeleteKey(platform::Hive::CurrentUser, kTestRoot);
        installed_.reset();
    }
    platform::Registry& Reg() { return *registry_; }

    static constexpr const char* kTestRoot = "Software\\TSetupTests";
    platform::fake::FakePlatform fake_;

private:
    std::unique_ptr<platform::Registry> registry_;
    std::optional<platform::InstalledServices> installed_;
};

// The suites; each test program instantiates them with its registries.
class RegistryContract : public RegistryFixture {};
class OptionsStore : public RegistryFixture {};

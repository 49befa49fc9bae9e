#include "contract/RegistryUnderTest.h"

#include "platform/win32/Win32Registry.h"

INSTANTIATE_TEST_SUITE_P(
    Registries, RegistryContract,
    testing::Values(
        RegistryUnderTest{"Win32",
                          [] { return std::make_unique<platform::win32::Win32Registry>(); }},
        RegistryUnderTest{"Fake", [] { return std::make_unique<platform::fake::FakeRegistry>(); }},
        RegistryUnderTest{"FakeListingByName", FakeListingByName}),
    RegistryName);

INSTANTIATE_TEST_SUITE_P(
    Registries, OptionsStore,
    testing::Values(
        RegistryUnderTest{"Win32",
                          [] { return std::make_unique<platform::win32::Win32Registry>(); }},
        RegistryUnderTest{"Fake", [] { return std::make_unique<platform::fake::FakeRegistry>(); }}),
    RegistryName);

// These tests run under Wine, whose registry keeps every key's values sorted by name; the
// contract above checks that the listing matches the claim.
TEST(Win32RegistryTest, UnderWineTheRegistryListsValuesByName) {
    EXPECT_TRUE(platform::win32::Win32Registry().KeepsValuesInNameOrder());
}

#include "contract/RegistryUnderTest.h"

#include "platform/win32/Win32Registry.h"

INSTANTIATE_TEST_SUITE_P(
    Registries, RegistryContract,
    testing::Values(
        RegistryUnderTest{"Win32",
                          [] { return std::make_unique<platform::win32::Win32Registry>(); }},
        RegistryUnderTest{"Fake", [] { return std::make_unique<platform::fake::FakeRegistry>(); }}),
    RegistryName);

INSTANTIATE_TEST_SUITE_P(
    Registries, OptionsStore,
    testing::Values(
        RegistryUnderTest{"Win32",
                          [] { return std::make_unique<platform::win32::Win32Registry>(); }},
        RegistryUnderTest{"Fake", [] { return std::make_unique<platform::fake::FakeRegistry>(); }}),
    RegistryName);

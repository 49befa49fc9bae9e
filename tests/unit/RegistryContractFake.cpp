#include "contract/RegistryUnderTest.h"

INSTANTIATE_TEST_SUITE_P(
    Fake, RegistryContract,
    testing::Values(
        RegistryUnderTest{"Fake", [] { return std::make_unique<platform::fake::FakeRegistry>(); }},
        RegistryUnderTest{"FakeListingByName", FakeListingByName}),
    RegistryName);

INSTANTIATE_TEST_SUITE_P(Fake, OptionsStore,
                         testing::Values(RegistryUnderTest{
                             "Fake",
                             [] { return std::make_unique<platform::fake::FakeRegistry>(); }}),
                         RegistryName);

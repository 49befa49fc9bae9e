#include "contract/FilesUnderTest.h"

INSTANTIATE_TEST_SUITE_P(Fake, FilesContract, testing::Values(FakeFilesSide()), FilesName);

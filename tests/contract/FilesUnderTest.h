// The file services the file contract runs against: the fake natively, the real one under
// Wine. Each side gives a folder of the test's own.
#pragma once

#include "platform/Files.h"
#include "platform/fake/FakeFiles.h"

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

struct FilesUnderTest {
    std::string name;
    std::function<std::unique_ptr<platform::Files>()> make;
    // A path for a new folder that does not exist yet.
    std::function<std::u16string()> newFolder;
    // Removes the (empty) folder.
    std::function<void(const std::u16string& folder)> removeFolder;
};

inline std::string FilesName(const testing::TestParamInfo<FilesUnderTest>& info) {
    return info.param.name;
}

// The fake: files in memory under a folder that exists only once the test makes it.
inline FilesUnderTest FakeFilesSide() {
    return {"Fake", [] { return std::make_unique<platform::fake::FakeFiles>(); },
            [] { return std::u16string(u"C:\\Temp\\tsetup-files"); }, [](const std::u16string&) {}};
}

class FilesContract : public testing::TestWithParam<FilesUnderTest> {};

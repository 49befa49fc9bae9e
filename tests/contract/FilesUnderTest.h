// The file services the file contract runs against: the fake natively, the real one under
// Wine. Each side gives a folder of the test's own and reads a file back apart from the
// service.
#pragma once

#include "platform/Files.h"
#include "platform/fake/FakeFiles.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

struct FilesUnderTest {
    std::string name;
    std::function<std::unique_ptr<platform::Files>()> make;
    // A path for a new folder that does not exist yet.
    std::function<std::string()> newFolder;
    // The bytes of the file, nothing when there is no file.
    std::function<std::optional<std::string>(platform::Files&, const std::string& path)> read;
    // Removes the (empty) folder.
    std::function<void(const std::string& folder)> removeFolder;
};

inline std::string FilesName(const testing::TestParamInfo<FilesUnderTest>& info) {
    return info.param.name;
}

// The fake: files in memory under a folder that exists only once the test makes it.
inline FilesUnderTest FakeFilesSide() {
    return {"Fake", [] { return std::make_unique<platform::fake::FakeFiles>(); },
            [] { return std::string("C:\\Temp\\tsetup-files"); },
            [](platform::Files& files, const std::string& path) -> std::optional<std::string> {
                const auto& stored = dynamic_cast<platform::fake::FakeFiles&>(files).files;
                const auto found = stored.find(path);
                return found == stored.end() ? std::nullopt : std::optional(found->second);
            },
            [](const std::string&) {}};
}

class FilesContract : public testing::TestWithParam<FilesUnderTest> {};

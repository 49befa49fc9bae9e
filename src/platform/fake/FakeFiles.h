// Files and folders in memory; every read, write, folder creation and deletion is recorded.
#pragma once

#include "platform/Files.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace platform::fake {

class FakeFiles : public Files {
public:
    // Full path to content. Paths are compared as given (the program builds them alike).
    std::map<std::u16string, std::string> files;
    std::set<std::u16string> folders;
    // A write to this path, a read of it or a folder creation of it fails with the error
    // number.
    std::map<std::u16string, std::uint32_t> failures;
    std::u16string appData = u"C:\\Users\\Anna\\AppData\\Roaming";
    // "write:PATH", "read:PATH", "mkdir:PATH", "delete:PATH" in order, paths in UTF-16.
    std::vector<std::u16string> log;

    bool Exists(const std::u16string& path) override { return files.count(path) != 0; }
    std::uint32_t Read(const std::u16string& path, std::string& bytes,
                       std::size_t maxBytes) override;
    std::uint32_t WriteReplacing(const std::u16string& path, const std::string& bytes) override;
    std::uint32_t CreateFolder(const std::u16string& path) override;
    std::vector<std::u16string> List(const std::u16string& folder,
                                     const std::u16string& pattern) override;
    bool Delete(const std::u16string& path) override;
    std::u16string AppDataFolder() override { return appData; }
    std::string ErrorText(std::uint32_t error) override {
        return "Systemfehler " + std::to_string(error);
    }

private:
    // Whether the folder part of a path (ending with its separator) was made.
    bool IsFolder(const std::u16string& folder) const;
};

} // namespace platform::fake

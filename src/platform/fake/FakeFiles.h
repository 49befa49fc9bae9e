// Files and folders in memory; every write, folder creation and deletion is recorded.
#pragma once

#include "platform/Files.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace platform::fake {

class FakeFiles : public Files {
public:
    // Full path to content. Paths are compared as given (the program builds them alike).
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    // A write to this path, or a folder creation of it, fails with the error number.
    std::map<std::string, std::uint32_t> failures;
    std::string appData = "C:\\Users\\Anna\\AppData\\Roaming";
    // "write:PATH", "mkdir:PATH", "delete:PATH" in order.
    std::vector<std::string> log;

    bool Exists(const std::string& path) override { return files.count(path) != 0; }
    std::uint32_t WriteReplacing(const std::string& path, const std::string& bytes) override;
    std::uint32_t CreateFolder(const std::string& path) override;
    std::vector<std::string> List(const std::string& folder, const std::string& pattern) override;
    bool Delete(const std::string& path) override;
    std::string AppDataFolder() override { return appData; }
    std::string ErrorText(std::uint32_t error) override {
        return "Systemfehler " + std::to_string(error);
    }

private:
    // Whether the folder part of a path (ending with its separator) was made.
    bool IsFolder(const std::string& folder) const;
};

} // namespace platform::fake

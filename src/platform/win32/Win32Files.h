// Files and folders on Windows.
#pragma once

#include "platform/Files.h"

namespace platform::win32 {

class Win32Files : public platform::Files {
public:
    bool Exists(const std::string& path) override;
    std::uint32_t WriteReplacing(const std::string& path, const std::string& bytes) override;
    std::uint32_t CreateFolder(const std::string& path) override;
    std::vector<std::string> List(const std::string& folder, const std::string& pattern) override;
    bool Delete(const std::string& path) override;
    std::string AppDataFolder() override;
    std::string ErrorText(std::uint32_t error) override;
};

// The system's text for an error number, without the line break at its end.
std::string SystemErrorText(std::uint32_t error);

} // namespace platform::win32

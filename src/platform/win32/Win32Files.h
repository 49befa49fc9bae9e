// Files and folders on Windows.
#pragma once

#include "platform/Files.h"

namespace platform::win32 {

class Win32Files : public platform::Files {
public:
    bool Exists(const std::u16string& path) override;
    std::uint32_t Read(const std::u16string& path, std::string& bytes,
                       std::size_t maxBytes) override;
    std::uint32_t WriteReplacing(const std::u16string& path, const std::string& bytes) override;
    std::uint32_t CreateFolder(const std::u16string& path) override;
    std::vector<std::u16string> List(const std::u16string& folder,
                                     const std::u16string& pattern) override;
    bool Delete(const std::u16string& path) override;
    std::u16string AppDataFolder() override;
    std::string ErrorText(std::uint32_t error) override;
};

// The system's text for an error number, without the line break at its end.
std::string SystemErrorText(std::uint32_t error);

} // namespace platform::win32

// Version resources of program files on Windows.
#pragma once

#include "platform/VersionInfo.h"

namespace platform::win32 {

class Win32VersionInfo : public platform::VersionInfo {
public:
    std::optional<VersionBlock> Read(const std::string& file) override;
    std::vector<std::uint32_t> Translations(const VersionBlock& block) override;
    std::optional<std::string> Text(const VersionBlock& block, const std::string& path) override;
};

} // namespace platform::win32

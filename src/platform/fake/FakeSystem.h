// The system's facts (platform, paths, arguments, decimal separator) as a test sets them.
#pragma once

#include "platform/System.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform::fake {

class FakeSystem : public System {
public:
    std::uint32_t platformId = 2;
    std::string programPath = "C:\\Programme\\Tastor32\\TSetup.exe";
    std::string windowsDirectory = "C:\\WINDOWS";
    std::vector<std::string> arguments;
    char decimalSeparator = ',';
    std::uint32_t PlatformId() override { return platformId; }
    char DecimalSeparator() override { return decimalSeparator; }
    std::string ProgramPath() override { return programPath; }
    std::string WindowsDirectory() override { return windowsDirectory; }
    std::vector<std::string> Arguments() override { return arguments; }
};

} // namespace platform::fake

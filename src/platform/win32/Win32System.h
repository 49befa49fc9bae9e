// Facts about this process and its system on Windows.
#pragma once

#include "platform/System.h"

namespace platform::win32 {

class Win32System : public platform::System {
public:
    std::uint32_t PlatformId() override;
    std::string ProgramPath() override;
    std::string WindowsDirectory() override;
    std::vector<std::string> Arguments() override;
    char DecimalSeparator() override;
};

} // namespace platform::win32

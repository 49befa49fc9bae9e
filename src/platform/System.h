// Facts about this process and its system.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The platform id of the NT family, to which every supported Windows belongs.
inline constexpr std::uint32_t kPlatformIdNt = 2;

class System {
public:
    virtual ~System() = default;
    // GetVersionExA's platform id: 0 Win32s, 1 the 9x family, 2 NT.
    virtual std::uint32_t PlatformId() = 0;
    // Full path of the running program file.
    virtual std::string ProgramPath() = 0;
    // GetWindowsDirectoryA as returned, without any change.
    virtual std::string WindowsDirectory() = 0;
    // Command-line parameters without the program path.
    virtual std::vector<std::string> Arguments() = 0;
    // The decimal separator of the user's locale, in code page 1252.
    virtual char DecimalSeparator() = 0;
};

} // namespace platform

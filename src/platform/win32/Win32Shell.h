// The shell on Windows.
#pragma once

#include "platform/Shell.h"

namespace platform::win32 {

class Win32Shell : public platform::Shell {
public:
    std::intptr_t OpenDocument(const std::string& path) override;
    std::uint32_t RunAndWait(const std::string& program, const std::u16string& parameters,
                             std::uint32_t& exitCode) override;
};

} // namespace platform::win32

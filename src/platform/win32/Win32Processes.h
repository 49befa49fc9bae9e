// Starting other programs on Windows.
#pragma once

#include "platform/Processes.h"

namespace platform::win32 {

class Win32Processes : public platform::Processes {
public:
    bool Create(const std::string& file, const std::string& commandLine,
                const std::string& directory) override;
    ExecResult Exec(const std::string& commandLine) override;
};

} // namespace platform::win32

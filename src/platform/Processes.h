// Starting other programs.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// WinExec's results from this one on mean that the program was started; those below it
// are errors.
inline constexpr std::uint32_t kExecStarted = 32;

class Processes {
public:
    virtual ~Processes() = default;
    // CreateProcessA with this process's start-up information and environment, no
    // inherited handles; an empty directory inherits the current one. True when created.
    virtual bool Create(const std::string& file, const std::string& commandLine,
                        const std::string& directory) = 0;

    struct ExecResult {
        std::uint32_t result;    // as WinExec returns it
        std::uint32_t lastError; // GetLastError right after the call
    };
    // WinExec with the window shown normally (SW_SHOW).
    virtual ExecResult Exec(const std::string& commandLine) = 0;
};

} // namespace platform

// Handing files and programs to the system's shell.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The shell's results above this one mean that the application was started; this one and
// those below it are errors.
inline constexpr std::intptr_t kShellLastError = 32;

class Shell {
public:
    virtual ~Shell() = default;
    // Opens the document with its registered application (verb "open", shown normally,
    // owned by the window with the keyboard focus) and returns at once. The shell's
    // result: above kShellLastError when the application was started.
    virtual std::intptr_t OpenDocument(const std::string& path) = 0;
    // Starts the program through the shell (verb "open", no owner window, no working
    // folder, shown) and waits until it has ended. Meanwhile this program's windows are
    // drawn but take no input, so nothing can be changed under the running program.
    // 0 when it was started, or the system's error number; exitCode then holds the program's
    // exit code. The parameters are UTF-16, so that they may name a file of any name.
    virtual std::uint32_t RunAndWait(const std::string& program, const std::u16string& parameters,
                                     std::uint32_t& exitCode) = 0;
};

} // namespace platform

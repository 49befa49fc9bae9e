// Documents opened and programs run, recorded; a run can change the store meanwhile.
#pragma once

#include "platform/Shell.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform::fake {

class FakeShell : public Shell {
public:
    std::vector<std::string> opened;
    std::intptr_t openResult = 42;
    struct Run {
        std::string program;
        std::u16string parameters;
    };
    std::vector<Run> runs;
    std::uint32_t runError = 0;
    std::uint32_t runExitCode = 0;
    // Called while the program runs, e.g. to apply an imported file to the store.
    std::function<void(const Run&)> whileRunning;

    std::intptr_t OpenDocument(const std::string& path) override;
    std::uint32_t RunAndWait(const std::string& program, const std::u16string& parameters,
                             std::uint32_t& exitCode) override;
};

} // namespace platform::fake

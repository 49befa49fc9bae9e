#include "platform/fake/FakeShell.h"

namespace platform::fake {

std::intptr_t FakeShell::OpenDocument(const std::string& path) {
    opened.push_back(path);
    return openResult;
}

std::uint32_t FakeShell::RunAndWait(const std::string& program, const std::u16string& parameters,
                                    std::uint32_t& exitCode) {
    runs.push_back({program, parameters});
    exitCode = runExitCode;
    if (runError == 0 && whileRunning) {
        whileRunning(runs.back());
    }
    return runError;
}

} // namespace platform::fake

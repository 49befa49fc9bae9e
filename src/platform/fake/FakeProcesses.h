// Process starts that are recorded and succeed only for files a test lets exist.
#pragma once

#include "platform/Processes.h"

#include <functional>
#include <string>
#include <vector>

namespace platform::fake {

class FakeProcesses : public Processes {
public:
    struct Started {
        std::string file;
        std::string commandLine;
        std::string directory;
    };
    std::vector<Started> started;
    // Files that exist and can be started; any other file fails.
    std::vector<std::string> existing;
    std::function<void(const Started&)> onStart;
    bool Create(const std::string& file, const std::string& commandLine,
                const std::string& directory) override;
    // Command lines given to Exec, and what Exec answers.
    std::vector<std::string> executed;
    ExecResult execResult{33, 0};
    ExecResult Exec(const std::string& commandLine) override {
        executed.push_back(commandLine);
        return execResult;
    }
};

} // namespace platform::fake

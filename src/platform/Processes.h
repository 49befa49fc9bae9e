// Starting other programs.
#pragma once

#include <string>

namespace platform {

class Processes {
public:
    virtual ~Processes() = default;
    // CreateProcessA with this process's start-up information and environment, no
    // inherited handles; an empty directory inherits the current one. True when created.
    virtual bool Create(const std::string& file, const std::string& commandLine,
                        const std::string& directory) = 0;
};

} // namespace platform

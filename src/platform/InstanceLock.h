// A named lock that lives as long as the process: the single-instance rule.
#pragma once

#include <string>

namespace platform {

enum class LockResult { Acquired, AlreadyExists, Failed };

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Creates the named lock, owned by this process until it ends.
    virtual LockResult Create(const std::string& name) = 0;
};

} // namespace platform

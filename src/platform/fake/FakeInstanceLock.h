// An instance lock that answers as a test sets it and records the names asked for.
#pragma once

#include "platform/InstanceLock.h"

#include <string>
#include <vector>

namespace platform::fake {

class FakeInstanceLock : public InstanceLock {
public:
    LockResult result = LockResult::Acquired;
    std::vector<std::string> names;
    LockResult Create(const std::string& name) override {
        names.push_back(name);
        return result;
    }
};

} // namespace platform::fake

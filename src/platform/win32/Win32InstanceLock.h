// The single-instance lock on Windows: a named mutex held until the process ends.
#pragma once

#include "platform/InstanceLock.h"
#include "platform/win32/Handles.h"

#include <vector>

namespace platform::win32 {

class Win32InstanceLock : public platform::InstanceLock {
public:
    // Every mutex this object created stays open while the object lives; the program keeps
    // the object until the process ends.
    LockResult Create(const std::string& name) override;

private:
    std::vector<KernelHandle> held_;
};

} // namespace platform::win32

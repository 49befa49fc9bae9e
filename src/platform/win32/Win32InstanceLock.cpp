#include "platform/win32/Win32InstanceLock.h"

#include "platform/win32/WideText.h"

namespace platform::win32 {

LockResult Win32InstanceLock::Create(const std::string& name) {
    KernelHandle mutex(::CreateMutexW(nullptr, TRUE, Wide(name).c_str()));
    if (!mutex) {
        return LockResult::Failed;
    }
    // Read at once: nothing may run between the creation and this test.
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        return LockResult::AlreadyExists; // our handle to the other's mutex closes here
    }
    held_.push_back(std::move(mutex));
    return LockResult::Acquired;
}

} // namespace platform::win32

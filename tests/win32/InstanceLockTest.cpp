// The single-instance lock under Wine: a named mutex, one owner per name.

#include "platform/win32/Win32InstanceLock.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::LockResult;
using platform::win32::Win32InstanceLock;

std::string UniqueName(const char* stem) {
    return std::string("TSetupTest-") + stem + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount64());
}

TEST(InstanceLockTest, OneLockPerName) {
    const std::string first = UniqueName("first");
    const std::string second = UniqueName("second");
    const std::string withUmlaut = UniqueName("Größe");
    struct Step {
        const std::string& name;
        LockResult expected;
    };
    const Step steps[] = {
        {first, LockResult::Acquired},
        {first, LockResult::AlreadyExists},
        {second, LockResult::Acquired},
        // The first lock is still held after the others were created.
        {first, LockResult::AlreadyExists},
        {second, LockResult::AlreadyExists},
        {withUmlaut, LockResult::Acquired},
        {withUmlaut, LockResult::AlreadyExists},
    };
    Win32InstanceLock lock;
    Win32InstanceLock other; // a second user in the same process sees the same names
    bool useOther = false;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        EXPECT_EQ((useOther ? other : lock).Create(step.name), step.expected);
        useOther = !useOther;
    }
}

TEST(InstanceLockTest, LockEndsWithItsOwner) {
    const std::string name = UniqueName("owner");
    {
        Win32InstanceLock lock;
        ASSERT_EQ(lock.Create(name), LockResult::Acquired);
    }
    Win32InstanceLock later;
    EXPECT_EQ(later.Create(name), LockResult::Acquired);
}

TEST(InstanceLockTest, InvalidNameFails) {
    // A backslash names a kernel object namespace; an unknown one cannot be used.
    Win32InstanceLock lock;
    EXPECT_EQ(lock.Create("NoSuchNamespace\\" + UniqueName("x")), LockResult::Failed);
}

} // namespace

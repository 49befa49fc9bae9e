// Every fake service together, for the tests: each records what it was asked in order and
// answers from what a test set up.
#pragma once

#include "platform/Services.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeFileDialogs.h"
#include "platform/fake/FakeFiles.h"
#include "platform/fake/FakeInstanceLock.h"
#include "platform/fake/FakeIoPorts.h"
#include "platform/fake/FakeKeyboard.h"
#include "platform/fake/FakeMessageBoxes.h"
#include "platform/fake/FakeProcesses.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeShell.h"
#include "platform/fake/FakeSystem.h"
#include "platform/fake/FakeVersionInfo.h"
#include "platform/fake/FakeWindows.h"

namespace platform::fake {

// All fakes together, installed for the lifetime of the object.
class FakePlatform {
public:
    FakePlatform() = default;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    FakeRegistry registry;
    FakeMessageBoxes boxes;
    FakeInstanceLock instanceLock;
    FakeWindows windows;
    FakeSystem system;
    FakeKeyboard keyboard;
    FakeIoPorts ports;
    FakeClock clock;
    FakeProcesses processes;
    FakeFileDialogs fileDialogs;
    FakeFiles files;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeVersionInfo versionInfo;

private:
    // Last: installs the members above once they are made.
    InstalledServices installed_{ServicesOf(*this)};
};

} // namespace platform::fake

// Every service of the real system, for the program's entry.
#pragma once

#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileDialogs.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32InstanceLock.h"
#include "platform/win32/Win32IoPorts.h"
#include "platform/win32/Win32Keyboard.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32VersionInfo.h"
#include "platform/win32/Win32Windows.h"

namespace platform::win32 {

struct Win32Platform {
    Win32Registry registry;
    Win32MessageBoxes boxes;
    Win32InstanceLock instanceLock;
    Win32Windows windows;
    Win32System system;
    Win32Keyboard keyboard;
    Win32IoPorts ports;
    Win32Clock clock;
    Win32Processes processes;
    Win32FileDialogs fileDialogs;
    Win32Files files;
    Win32Clipboard clipboard;
    Win32Shell shell;
    Win32VersionInfo versionInfo;
};

} // namespace platform::win32

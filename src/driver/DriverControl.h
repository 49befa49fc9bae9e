// Everything the settings program does to the driver Tastor32: finding its window,
// posting and sending messages to it, starting its program file, and its autostart entry.
// The driver's window is looked up anew at every use; no handle is kept between uses.
#pragma once

#include "platform/Windows.h"
#include "settings/SettingsStore.h"

#include <cstdint>
#include <string>

namespace driver {

// The driver's window: both class and title are "Tastor32".
inline constexpr const char* kDriverWindowName = "Tastor32";
// The driver's program file, in the directory named by "HomeDir".
inline constexpr const char* kDriverExeName = "Tastor32.exe";
// The autostart value under the Run key.
inline constexpr const char* kAutostartValueName = "Tastor32";

// Messages to the driver. Both parameters are always 0.
// The system's WM_CLOSE and WM_QUIT (named with a prefix of their own, so that this header
// can live beside <windows.h>, which defines them as macros).
inline constexpr std::uint32_t kWmClose = 16;
inline constexpr std::uint32_t kWmQuit = 18;
// The first private window message (the system's WM_USER).
inline constexpr std::uint32_t kWmUserBase = 1024;
// Posted at the end of every completed save: read the settings again.
inline constexpr std::uint32_t WM_RELOADSETTINGS = kWmUserBase + 101; // 1125
// Posted by the uninstallation, right before WM_CLOSE.
inline constexpr std::uint32_t WM_DRIVERUNINSTALL = kWmUserBase + 102; // 1126
// Sent, waiting for the driver, right after WM_SETTINGSOPENING when the settings window
// is created.
inline constexpr std::uint32_t WM_SETTINGSOPENED = kWmUserBase + 107; // 1131
// Posted as the first step of the settings window's creation.
inline constexpr std::uint32_t WM_SETTINGSOPENING = kWmUserBase + 108; // 1132

// How long SendToDriver waits for a driver that has stopped answering before it gives up.
// A driver that is only busy answers well within this time; the settings window waits
// this long before it appears.
inline constexpr std::uint32_t kDriverAnswerTimeoutMs = 3000;

// The driver's top-level window (class and title "Tastor32"), 0 when there is none.
platform::WindowId FindDriverWindow();
bool IsDriverRunning();
// Posts the message to the driver's window and returns at once; without a driver window
// nothing happens. True when the message was posted.
bool PostToDriver(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
// Sends the message to the driver's window and waits until the driver has handled it;
// without a driver window nothing happens. A driver that does not answer within timeoutMs
// (or has stopped answering altogether) is given up. True when the driver handled it.
bool SendToDriver(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                  std::uint32_t timeoutMs = kDriverAnswerTimeoutMs);

// The directory named by "HomeDir" (this program's directory when it is missing or empty)
// with a trailing backslash, followed by "Tastor32.exe".
std::string DriverExePath(settings::TSettingsStore& store);
// Starts the driver's program file as a new process; true when the process was created.
bool StartDriver(settings::TSettingsStore& store);

// Whether the autostart value "Tastor32" exists. The Run key is not created.
bool IsAutostartSet();
// The command every writer of the autostart value writes: this program's directory
// followed by "Tastor32.exe", without quotes or arguments.
std::string AutostartCommand();
// Opens the Run key (creating it when missing) and writes the command as REG_SZ under the
// name (enable set; result true) or deletes the value (enable clear; result whether it was
// deleted). False when the Run key does not open. A failing write raises the store error.
bool SetAutostart(const std::string& name, const std::string& command, bool enable);
// The same for the value "Tastor32" with AutostartCommand().
bool SetAutostart(bool enable);

} // namespace driver

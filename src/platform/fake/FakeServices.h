// In-memory stand-ins for the operating-system services. Each records what it was asked
// in order and answers from what a test set up.
#pragma once

#include "platform/Services.h"
#include "platform/fake/FakeFileDialogs.h"
#include "platform/fake/FakeFiles.h"
#include "platform/fake/FakeRegistry.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace platform::fake {

class FakeMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        BoxKind kind;
        std::string text;
        std::string title;
    };
    // Answers for the coming Yes/No boxes, in order; with none left the answer is No.
    std::deque<bool> answers;
    // Called while a box is shown (before it returns), e.g. to check what it shows.
    std::function<void(const Shown&)> onShow;
    std::vector<Shown> shown;
    // Every beep and box in order: "beep:hand", "beep:question", "info:TEXT",
    // "error:TEXT", "yesno:TEXT".
    std::vector<std::string> log;

    void Beep(SystemSound sound) override;
    bool Show(BoxKind kind, const std::string& text, const std::string& title) override;
};

class FakeInstanceLock : public InstanceLock {
public:
    LockResult result = LockResult::Acquired;
    std::vector<std::string> names;
    LockResult Create(const std::string& name) override {
        names.push_back(name);
        return result;
    }
};

class FakeWindows : public TopLevelWindows {
public:
    struct Window {
        WindowId id;
        std::string className;
        std::string title;
        bool iconic = false;
        bool staysIconic = false; // a restore leaves it minimised
        bool answers = true;      // whether a sent message is handled
    };
    struct Message {
        WindowId window;
        std::uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        bool sent;
    };
    // Top-level windows from the top of the Z order downwards.
    std::vector<Window> zOrder;
    std::vector<Message> messages;
    // Calls that change window state, in order: "restore:ID", "top:ID", "foreground:ID".
    std::vector<std::string> actions;
    // Called with the time limit of every message sent, while the sender waits.
    std::function<void(std::uint32_t timeoutMs)> onSend;

    WindowId Add(const std::string& className, const std::string& title);
    Window* Get(WindowId id);

    WindowId Find(const std::string& className, const std::string& title) override;
    std::string ClassName(WindowId window) override;
    WindowId Next(WindowId window) override;
    void Restore(WindowId window) override;
    bool IsIconic(WindowId window) override;
    void BringToTop(WindowId window) override;
    void SetForeground(WindowId window) override;
    bool Post(WindowId window, std::uint32_t message, std::uintptr_t wParam,
              std::intptr_t lParam) override;
    bool Send(WindowId window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
              std::uint32_t timeoutMs) override;

private:
    WindowId nextId_ = 0x100;
};

class FakeSystem : public System {
public:
    std::uint32_t platformId = 2;
    std::string programPath = "C:\\Programme\\Tastor32\\TSetup.exe";
    std::string windowsDirectory = "C:\\WINDOWS";
    std::vector<std::string> arguments;
    char decimalSeparator = ',';
    std::uint32_t PlatformId() override { return platformId; }
    char DecimalSeparator() override { return decimalSeparator; }
    std::string ProgramPath() override { return programPath; }
    std::string WindowsDirectory() override { return windowsDirectory; }
    std::vector<std::string> Arguments() override { return arguments; }
};

class FakeKeyboard : public Keyboard {
public:
    // Virtual-key to scan code, and scan code to name. Filled with a German layout's
    // letters, digits and function keys.
    std::map<std::uint32_t, std::uint32_t> scanCodes;
    std::map<std::uint32_t, std::string> names;
    std::map<std::uint32_t, bool> down;
    std::vector<std::int32_t> nameRequests;
    FakeKeyboard();
    std::uint32_t ScanCode(std::uint32_t virtualKey) override;
    std::string KeyNameText(std::int32_t lParam) override;
    bool IsDown(std::uint32_t virtualKey) override;
};

class FakeIoPorts : public IoPorts {
public:
    struct Access {
        bool write;
        std::uint16_t port;
        std::uint8_t value;
        bool operator==(const Access&) const = default;
    };
    // What each port reads; writes to port 0x61 are read back.
    std::map<std::uint16_t, std::uint8_t> values;
    std::vector<Access> accesses;
    std::uint8_t In(std::uint16_t port) override;
    void Out(std::uint16_t port, std::uint8_t value) override;
};

class FakeClock : public Clock {
public:
    LocalTime now{2024, 3, 5, 9, 7, 2};
    // "sleep:MS" and "sleepex:MS" in order.
    std::vector<std::string> log;
    std::function<void()> onSleep;
    void Sleep(std::uint32_t milliseconds) override;
    void SleepAlertable(std::uint32_t milliseconds) override;
    LocalTime Now() override { return now; }

    // Timers run on a clock of their own that only Advance moves.
    TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
    void StopTimer(TimerId timer) override;
    // Moves the time on, firing every timer that falls due, in time order.
    void Advance(std::uint32_t milliseconds);
    std::size_t RunningTimers() const { return timers_.size(); }

private:
    struct Timer {
        TimerId id;
        std::uint32_t interval;
        std::uint64_t due;
        std::function<void()> onTick;
    };
    std::vector<Timer> timers_;
    std::uint64_t timerTime_ = 0;
    TimerId nextTimer_ = 1;
};

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

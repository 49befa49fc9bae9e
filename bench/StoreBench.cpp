// Measures, under Wine or on Windows, what the settings window costs with many macros:
// starting TSetup to an idle window, against a bare dialog started the same way (over a full
// store also reading the macros, the way TSetup reads them); LoadSettings and SaveSettings,
// against the registry's own round trips and the system's registry editor exporting and
// importing the same key.
// Usage: bench.exe [COUNT...]   (default 1000 10000); TSetup.exe, baseline.exe and
// baseline-read.exe lie beside bench.exe.
#include "macros/KeyCode.h"
#include "platform/Services.h"
#include "platform/fake/FakePlatform.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32Windows.h"
#include "settings/Layout.h"
#include "settings/SettingsStore.h"
#include "ui/MainForm.h"

#include "resource.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// The processor time this process has taken so far, all its threads, user and kernel; -1
// when it cannot be read.
double ProcessorSeconds() {
    FILETIME created, exited, kernel, user;
    if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user) == FALSE) {
        return -1;
    }
    const auto seconds = [](FILETIME time) {
        return static_cast<double>((ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime) /
               1e7;
    };
    return seconds(kernel) + seconds(user);
}

// The processor time the wine server has taken so far, where scripts/bench.sh names its
// process (TSETUP_BENCH_SERVER) and Wine shows the host's files as drive Z:; -1 elsewhere.
double ServerSeconds() {
    char id[32];
    const DWORD length = GetEnvironmentVariableA("TSETUP_BENCH_SERVER", id, sizeof id);
    if (length == 0 || length >= sizeof id) {
        return -1;
    }
    std::ifstream schedule(std::string("Z:\\proc\\") + id + "\\schedstat");
    unsigned long long nanoseconds = 0;
    return schedule >> nanoseconds ? static_cast<double>(nanoseconds) / 1e9 : -1;
}

// Processor time per second of an interval, from the readings before and after it; -1 when
// either could not be read.
double BusyDuring(double before, double after, double seconds) {
    return before < 0 || after < 0 ? -1 : (after - before) / seconds;
}

unsigned Processors() {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    return system.dwNumberOfProcessors;
}

std::wstring Folder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

bool Run(std::wstring commandLine, DWORD timeoutMs = 600000) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    platform::win32::KernelHandle thread(process.hThread);
    platform::win32::KernelHandle owner(process.hProcess);
    return WaitForSingleObject(owner.Get(), timeoutMs) == WAIT_OBJECT_0;
}

void FillStore(platform::Registry& registry, int count) {
    registry.DeleteKey(platform::Hive::CurrentUser, "Software\\Velmark");
    auto settingsKey = registry.Open(platform::Hive::CurrentUser, settings::kSettingsKey, true);
    settingsKey->WriteValue("Tastor eingeschaltet", 3, {1});
    auto macros = registry.Open(platform::Hive::CurrentUser, settings::kMacroKey, true);
    // Distinct key codes: 200 keys with each of the 64 modifier sets a macro can have.
    std::vector<std::uint8_t> modifiers;
    for (int m = 0; m < 256; ++m) {
        if ((m & ~0xCF) == 0) {
            modifiers.push_back(static_cast<std::uint8_t>(m));
        }
    }
    for (int i = 0; i < count; ++i) {
        // Past 12,800 macros the keys go on beyond the keyboard's, so that every code differs.
        const int distinct = 200 * 64;
        const macros::TKeyCode code =
            i < distinct
                ? macros::MakeKeyCode(static_cast<std::uint16_t>(0x30 + i % 200),
                                      modifiers[(i / 200) % 64])
                : macros::MakeKeyCode(static_cast<std::uint16_t>(0x100 + (i - distinct) / 64),
                                      modifiers[i % 64]);
        const std::string text = "Makro Nummer " + std::to_string(i) + " mit Grüßen$0D";
        macros->WriteValue(macros::KeyCodeToValueName(code), 1,
                           std::vector<std::uint8_t>(text.begin(), text.end()));
    }
}

// A running program (TSetup.exe or the baseline) with its window loaded.
struct RunningSetup {
    platform::win32::KernelHandle thread;
    platform::win32::KernelHandle process;
    HWND window = nullptr;
};

// A program beside bench.exe and the title of its window.
struct Program {
    const wchar_t* file;
    const wchar_t* title;
};
constexpr wchar_t kBaselineTitle[] = L"TSetup Baseline";
constexpr Program kSetup{L"TSetup.exe", L"Tastor32 Einstellungen"};
constexpr Program kBaseline{L"baseline.exe", kBaselineTitle};
constexpr Program kBaselineReading{L"baseline-read.exe", kBaselineTitle};

// Starts the program and waits until its window is shown and has finished loading; false
// when the program does not start.
bool StartSetup(RunningSetup& setup, const Program& program = kSetup) {
    const std::wstring exe = Folder() + program.file;
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    setup.thread = platform::win32::KernelHandle(process.hThread);
    setup.process = platform::win32::KernelHandle(process.hProcess);
    // The program is idle once its window is built and its message loop waits; only then
    // look for the window, so that the looking does not compete with the start.
    WaitForInputIdle(setup.process.Get(), 300000);
    const auto start = Clock::now();
    while (Seconds(start) < 300) {
        setup.window = FindWindowW(nullptr, program.title);
        if (setup.window != nullptr && IsWindowVisible(setup.window)) {
            break;
        }
        Sleep(5);
    }
    // A message that the window answers only once it has finished loading.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(setup.window, WM_NULL, 0, 0, SMTO_NORMAL, 300000, &ignored);
    return true;
}

// Cancels the window and waits for the program to end.
void CloseSetup(RunningSetup& setup) {
    PostMessageW(setup.window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (WaitForSingleObject(setup.process.Get(), 60000) != WAIT_OBJECT_0) {
        TerminateProcess(setup.process.Get(), 1);
    }
}

// Under Wine a program started right after thousands of registry writes starts slowly
// throughout, before any code of its own runs (its entry reached 50-100 ms after its creation
// instead of 30 ms): the starts are timed once the machine has settled, as a user would
// start the program.
void Settle() {
    Sleep(3000);
}

// From the start of the program until its window is shown and the program waits for input.
double StartToIdleWindow(const Program& program = kSetup) {
    RunningSetup setup;
    const auto start = Clock::now();
    if (!StartSetup(setup, program)) {
        return -1;
    }
    const double seconds = Seconds(start);
    CloseSetup(setup);
    return seconds;
}

// The most memory (peak working set) TSetup.exe takes to load the store into its window,
// and then to save it once with "&Übernehmen", in MiB.
struct PeakMemory {
    double loaded = -1, saved = -1;
};

double PeakWorkingSetMiB(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(process, &counters, sizeof counters) != FALSE
               ? static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0)
               : -1;
}

PeakMemory MeasurePeakMemory() {
    RunningSetup setup;
    PeakMemory peak;
    if (!StartSetup(setup)) {
        return peak;
    }
    peak.loaded = PeakWorkingSetMiB(setup.process.Get());
    // The save runs in the window's message handler: answered once the save is done.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(setup.window, WM_COMMAND, MAKEWPARAM(IDC_ACCEPTBTN, BN_CLICKED), 0,
                        SMTO_NORMAL, 300000, &ignored);
    peak.saved = PeakWorkingSetMiB(setup.process.Get());
    CloseSetup(setup);
    return peak;
}

double MedianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The registry editor of this program's own bitness, so that both sides pay the same for
// each call into the registry: a 32-bit program on a 64-bit system uses the one in SysWOW64.
std::wstring RegistryEditor() {
    wchar_t folder[MAX_PATH];
    UINT length = sizeof(void*) == 4 ? GetSystemWow64DirectoryW(folder, MAX_PATH) : 0;
    if (length > 0 && length < MAX_PATH) {
        std::wstring path = std::wstring(folder) + L"\\regedit.exe";
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return path;
        }
    }
    length = GetWindowsDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, length) + L"\\regedit.exe";
}

struct Figures {
    // The baseline: the bare dialog, started in the same round as TSetup; baseFull: the same
    // over the full store, reading it.
    double baseline, baseFull, startEmpty, startFull, load, save, exportSeconds, importSeconds;
    // The registry's own round trips alone: every value of the macro key read in one pass,
    // and the same values written into the key.
    double registryRead, registryWrite;
    // Each round measures both sides under the same conditions of the machine; the ratios
    // are the medians of the rounds' ratios. The remainder is the extra start over a full
    // store beyond LoadSettings; fullRatio is the full start beyond the baseline per read,
    // floorRatio the same for the reading baseline, and ownFull TSetup's start over the full
    // store beyond the reading baseline's.
    double emptyRatio, extra, remainder, fullRatio, floorRatio, ownFull, startRatio, saveRatio;
    // Processors kept busy during the read by this program's side of it and by the wine
    // server: their processor time per second of the read (-1 when unknown).
    double readBusy, serverBusy;
};

constexpr int kRounds = 9;

Figures Measure(int count) {
    // LoadSettings and SaveSettings run in this process, on the real registry.
    platform::fake::FakePlatform fakes;
    struct {
        platform::win32::Win32Registry registry;
        platform::win32::Win32Windows windows;
        platform::win32::Win32System system;
    } real;
    platform::win32::Win32Registry& registry = real.registry;
    std::optional<platform::InstalledServices> installed(
        std::in_place, platform::ServicesOf(real, platform::Installed()));

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"tsetup-bench.reg";
    const std::wstring key = L"HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr";
    const std::wstring editor = L"\"" + RegistryEditor() + L"\"";

    std::vector<double> startEmpty, startFull, load, save, exports, imports, startRatio, saveRatio;
    std::vector<double> registryRead, registryWrite, baseline, emptyRatio, extra, remainder;
    std::vector<double> fullRatio, readBusy, serverBusy, baseFull, floorRatio, ownFull;
    for (int round = 0; round < kRounds; ++round) {
        FillStore(registry, 0);
        Settle();
        baseline.push_back(StartToIdleWindow(kBaseline));
        startEmpty.push_back(StartToIdleWindow());
        FillStore(registry, count);
        Settle();
        baseFull.push_back(StartToIdleWindow(kBaselineReading));
        startFull.push_back(StartToIdleWindow());

        DeleteFileW(file.c_str());
        auto start = Clock::now();
        Run(editor + L" /e \"" + file + L"\" \"" + key + L"\"");
        exports.push_back(Seconds(start));

        {
            settings::TSettingsStore store;
            ui::TMainForm form{{}, store};
            start = Clock::now();
            form.LoadSettings();
            load.push_back(Seconds(start));
            start = Clock::now();
            form.SaveSettings();
            save.push_back(Seconds(start));
        }
        {
            auto macros = registry.Open(platform::Hive::CurrentUser, settings::kMacroKey, true);
            const double processorBefore = ProcessorSeconds();
            const double serverBefore = ServerSeconds();
            start = Clock::now();
            const auto values = macros->Values();
            registryRead.push_back(Seconds(start));
            readBusy.push_back(
                BusyDuring(processorBefore, ProcessorSeconds(), registryRead.back()));
            serverBusy.push_back(BusyDuring(serverBefore, ServerSeconds(), registryRead.back()));
            std::size_t failed = 0;
            start = Clock::now();
            macros->WriteValues(values, &failed);
            registryWrite.push_back(Seconds(start));
        }

        registry.DeleteKey(platform::Hive::CurrentUser, settings::kMacroKey);
        start = Clock::now();
        Run(editor + L" /s \"" + file + L"\"");
        imports.push_back(Seconds(start));
        // The import really brought the macros back.
        auto imported = registry.Open(platform::Hive::CurrentUser, settings::kMacroKey, false);
        if (imported == nullptr || static_cast<int>(imported->ValueNames().size()) != count) {
            std::printf("regedit did not import the %d macros\n", count);
        }

        extra.push_back(startFull.back() - startEmpty.back());
        remainder.push_back(extra.back() - load.back());
        emptyRatio.push_back(startEmpty.back() / baseline.back());
        fullRatio.push_back((startFull.back() - baseline.back()) / registryRead.back());
        floorRatio.push_back((baseFull.back() - baseline.back()) / registryRead.back());
        ownFull.push_back(startFull.back() - baseFull.back());
        startRatio.push_back(extra.back() / exports.back());
        saveRatio.push_back(save.back() / imports.back());
    }
    DeleteFileW(file.c_str());
    registry.DeleteKey(platform::Hive::CurrentUser, "Software\\Velmark");
    installed.reset();
    return {MedianOf(baseline),      MedianOf(baseFull),   MedianOf(startEmpty),
            MedianOf(startFull),     MedianOf(load),       MedianOf(save),
            MedianOf(exports),       MedianOf(imports),    MedianOf(registryRead),
            MedianOf(registryWrite), MedianOf(emptyRatio), MedianOf(extra),
            MedianOf(remainder),     MedianOf(fullRatio),  MedianOf(floorRatio),
            MedianOf(ownFull),       MedianOf(startRatio), MedianOf(saveRatio),
            MedianOf(readBusy),      MedianOf(serverBusy)};
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    // "--memory [COUNT...]" measures only the peak memory, with the given numbers of macros.
    const bool memoryOnly = argc >= 2 && std::wcscmp(argv[1], L"--memory") == 0;
    std::vector<int> counts;
    std::vector<int> memoryCounts;
    for (int i = memoryOnly ? 2 : 1; i < argc; ++i) {
        (memoryOnly ? memoryCounts : counts).push_back(_wtoi(argv[i]));
    }
    if (counts.empty() && !memoryOnly) {
        counts = {1000, 10000};
    }
    if (memoryCounts.empty()) {
        memoryCounts = {0, 10000, 50000};
    }
    std::printf("%zu-bit TSetup against %ls\n", sizeof(void*) * 8, RegistryEditor().c_str());
    if (!counts.empty()) {
        std::vector<Figures> figures;
        for (int count : counts) {
            figures.push_back(Measure(count));
        }
        std::printf(
            "\nThe start, over an empty store against the baseline, and over a full one:\n");
        std::printf("%8s %12s %10s %11s %11s %10s %10s %10s %10s %17s %27s\n", "macros",
                    "start empty", "baseline", "empty/base", "start full", "extra", "load",
                    "reg read", "remainder", "(full-base)/read", "read busy: program+server");
        for (std::size_t i = 0; i < counts.size(); ++i) {
            const Figures& f = figures[i];
            char busy[2][16];
            for (int side = 0; side < 2; ++side) {
                const double value = side == 0 ? f.readBusy : f.serverBusy;
                if (value < 0) {
                    std::snprintf(busy[side], sizeof busy[side], "?");
                } else {
                    std::snprintf(busy[side], sizeof busy[side], "%.2f", value);
                }
            }
            std::printf("%8d %11.3fs %9.3fs %11.2f %10.3fs %9.3fs %9.3fs %9.3fs %9.3fs %17.2f "
                        "%13s+%s of %u\n",
                        counts[i], f.startEmpty, f.baseline, f.emptyRatio, f.startFull, f.extra,
                        f.load, f.registryRead, f.remainder, f.fullRatio, busy[0], busy[1],
                        Processors());
        }
        std::printf("\nThe start over a full store, against the baseline reading the same key:\n");
        std::printf("%8s %10s %10s %20s %13s %17s\n", "macros", "start full", "base full",
                    "(basefull-base)/read", "full-basefull", "(full-base)/read");
        for (std::size_t i = 0; i < counts.size(); ++i) {
            const Figures& f = figures[i];
            std::printf("%8d %9.3fs %9.3fs %20.2f %12.3fs %17.2f\n", counts[i], f.startFull,
                        f.baseFull, f.floorRatio, f.ownFull, f.fullRatio);
        }
        std::printf("\nThe store, against the registry and its editor:\n");
        std::printf("%8s %10s %10s %10s %10s %14s %14s\n", "macros", "save", "reg write", "export",
                    "import", "extra/export", "save/import");
        for (std::size_t i = 0; i < counts.size(); ++i) {
            const Figures& f = figures[i];
            std::printf("%8d %9.3fs %9.3fs %9.3fs %9.3fs %14.2f %14.2f\n", counts[i], f.save,
                        f.registryWrite, f.exportSeconds, f.importSeconds, f.startRatio,
                        f.saveRatio);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    // Memory: one start, load and save of TSetup.exe per count.
    platform::win32::Win32Registry registry;
    for (int count : memoryCounts) {
        FillStore(registry, count);
        const PeakMemory peak = MeasurePeakMemory();
        std::printf("peak working set with %5d macros: %6.1f MiB loaded, %6.1f MiB saved\n", count,
                    peak.loaded, peak.saved);
        std::fflush(stdout);
    }
    registry.DeleteKey(platform::Hive::CurrentUser, "Software\\Velmark");
    return 0;
}

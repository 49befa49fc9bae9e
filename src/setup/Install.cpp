#include "setup/Install.h"

#include "driver/DriverControl.h"
#include "platform/Cp1252.h"
#include "platform/Paths.h"
#include "platform/Services.h"
#include "settings/Layout.h"
#include "settings/Names.h"
#include "settings/OptionsRegistry.h"
#include "settings/StoreError.h"
#include "setup/Defaults.h"
#include "setup/WinKeyCheckForm.h"
#include "sound/SchemeSound.h"
#include "toolkit/Application.h"
#include "toolkit/MessageBoxes.h"

#include <optional>

namespace setup {
namespace {

// Whether the store holds settings worth asking about. A marker that cannot be read as a
// switch counts as set: the user is asked rather than the installation failing on it.
bool HasEnabledSettings(settings::TOptionsRegistry& store) {
    try {
        return store.ReadOption(settings::optEnabled) != 0;
    } catch (const settings::StoreError&) {
        return true;
    }
}

void WriteOptionDefaults(settings::TOptionsRegistry& store) {
    for (const TOptionDefault& option : kOptionDefaults) {
        store.WriteOption(option.option, option.value);
    }
    store.WriteOptionString(settings::optDecimalDot, kDecimalDotDefault);
}

std::string SelfStartText() {
    return "^" + platform::Sys().ProgramPath();
}

// Whether a macro text starts this program: "^" and a path, quoted or not and without
// arguments, to a file named TSetup.exe in any folder, in any case.
bool StartsThisProgram(const std::string& text) {
    if (text.size() < 2 || text[0] != '^' || text[1] == '*') {
        return false;
    }
    std::string path = text.substr(1);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
        path = path.substr(1, path.size() - 2);
    }
    const std::size_t folderEnd = path.find_last_of("\\/:");
    const std::string file = folderEnd == std::string::npos ? path : path.substr(folderEnd + 1);
    return platform::SameNameIgnoringCase(file, kProgramFileName);
}

// Without an answer from the dialog, the program start is rewritten where one already
// stands, else under the first free of its names (right Windows key, left, Shift+AltGr). A
// user's own macro is never overwritten: with all three taken by others there is none.
std::optional<std::uint8_t> SelfStartModifiersKeepingOwnMacros(settings::TRegistry& reg) {
    const std::uint8_t order[] = {kWinKeyModifiers[2], kWinKeyModifiers[1], kWinKeyModifiers[0]};
    auto nameOf = [](std::uint8_t modifiers) {
        return macros::KeyCodeToValueName(macros::MakeKeyCode(kSelfStartKey, modifiers));
    };
    for (const std::uint8_t modifiers : order) {
        const std::string name = nameOf(modifiers);
        const settings::TRegDataType type = reg.GetDataType(name);
        if ((type == settings::TRegDataType::rdString ||
             type == settings::TRegDataType::rdExpandString) &&
            StartsThisProgram(reg.ReadString(name))) {
            return modifiers;
        }
    }
    for (const std::uint8_t modifiers : order) {
        if (!reg.ValueExists(nameOf(modifiers))) {
            return modifiers;
        }
    }
    return std::nullopt;
}

void WriteDefaultMacros(settings::TRegistry& reg, const settings::TStartupState& state,
                        bool overwriteAll) {
    if (!reg.OpenKey(settings::kMacroKey, true)) {
        return;
    }
    std::optional<std::uint8_t> winKeys;
    if (overwriteAll) {
        winKeys = kWinKeyModifiers.at(GetNumWinKeys());
        for (const TDefaultMacro& macro : kDefaultMacros) {
            const std::uint8_t modifiers = macro.onWinKey ? *winKeys : macro.modifiers;
            const char* text =
                state.IsWinNT || macro.text9x == nullptr ? macro.textNT : macro.text9x;
            WriteMacroValue(reg, macros::MakeKeyCode(macro.virtualKey, modifiers), text);
        }
    } else {
        winKeys = SelfStartModifiersKeepingOwnMacros(reg);
    }
    if (winKeys) {
        WriteMacroValue(reg, macros::MakeKeyCode(kSelfStartKey, *winKeys), SelfStartText());
    }
    reg.CloseKey();
}

void WriteUmlautTables(settings::TRegistry& reg) {
    for (const TUmlautTable& table : kUmlautTables) {
        if (!reg.OpenKey(table.key, true)) {
            continue;
        }
        for (const TUmlautEntry& entry : table.entries) {
            for (std::size_t i = 0; i < kUmlautModifiers.size(); ++i) {
                WriteMacroValue(reg, UmlautKeyCode(entry.virtualKey, kUmlautModifiers[i]),
                                entry.texts[i]);
            }
        }
        reg.CloseKey();
    }
}

void WriteWaveDefaults() {
    for (int event = settings::kFirstSoundEvent; event <= settings::kLastSoundEvent; ++event) {
        const TWaveDefault& wave = kWaveDefaults.at(event);
        const std::string dir = wave.inWindowsDir ? platform::WindowsDir() : platform::ProgramDir();
        sound::WriteSchemeSound(event, dir + wave.file);
    }
}

void WriteSpeakerDefaults(settings::TRegistry& reg) {
    if (!reg.OpenKey(settings::kSpeakerKey, true)) {
        return;
    }
    for (int event = settings::kFirstSoundEvent; event <= settings::kLastSoundEvent; ++event) {
        reg.WriteString(settings::SoundEventNames.at(event),
                        sound::FormatSpeakerRec(kSpeakerDefault));
    }
    reg.CloseKey();
}

// A running driver is neither restarted nor told to reload.
void StartDriverIfStopped(settings::TSettingsStore& store) {
    if (!driver::IsDriverRunning() && !driver::StartDriver(store)) {
        toolkit::ShowError("Tastor32.exe kann nicht gestartet werden");
    }
}

// This question comes without the question sound.
bool AskAutostart() {
    return toolkit::AskYesNoSilently(
        "Möchten Sie, dass Tastor32 beim Windows-Start automatisch geladen wird?");
}

} // namespace

macros::TKeyCode UmlautKeyCode(std::uint16_t virtualKey, std::uint8_t modifiers) {
    return macros::ModifierBitsOf(modifiers) | virtualKey;
}

void WriteMacroValue(settings::TRegistry& reg, macros::TKeyCode code, const std::string& text) {
    reg.WriteString(macros::KeyCodeToValueName(code), text);
}

void RunInstall(const settings::TStartupState& state, settings::TSettingsStore& settingsStore) {
    settings::TOptionsRegistry& store = settingsStore.ForWriting();
    bool overwriteAll = true;
    if (!state.QuietMode && HasEnabledSettings(store)) {
        overwriteAll = toolkit::AskYesNo("Alle bisherigen Einstellungen überschreiben?");
    }
    WriteOptionDefaults(store);

    settings::TRegistry reg(platform::Hive::CurrentUser);
    WriteDefaultMacros(reg, state, overwriteAll);
    if (overwriteAll) {
        WriteUmlautTables(reg);
        WriteWaveDefaults();
    }
    WriteSpeakerDefaults(reg);

    StartDriverIfStopped(settingsStore);
    if (state.QuietMode || AskAutostart()) {
        driver::SetAutostart(true);
    }
}

} // namespace setup

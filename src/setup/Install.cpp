#include "setup/Install.h"

#include "driver/DriverControl.h"
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

// Without an answer from the dialog the program start keeps the Windows keys it was
// written for before; with none of its names there, it takes the dialog's preselection.
std::uint8_t ExistingSelfStartModifiers(settings::TRegistry& reg) {
    for (int count = 2; count >= 0; --count) {
        const std::uint8_t modifiers = kWinKeyModifiers[count];
        if (reg.ValueExists(KeyCodeToValueName(MakeKeyCode(kSelfStartKey, modifiers)))) {
            return modifiers;
        }
    }
    return kWinKeyModifiers[2];
}

void WriteDefaultMacros(settings::TRegistry& reg, const settings::TStartupState& state,
                        bool overwriteAll) {
    if (!reg.OpenKey(settings::kMacroKey, true)) {
        return;
    }
    std::uint8_t winKeys = 0;
    if (overwriteAll) {
        winKeys = kWinKeyModifiers.at(GetNumWinKeys());
        for (const TDefaultMacro& macro : kDefaultMacros) {
            const std::uint8_t modifiers = macro.onWinKey ? winKeys : macro.modifiers;
            const char* text =
                state.IsWinNT || macro.text9x == nullptr ? macro.textNT : macro.text9x;
            WriteMacroValue(reg, MakeKeyCode(macro.virtualKey, modifiers), text);
        }
    } else {
        winKeys = ExistingSelfStartModifiers(reg);
    }
    WriteMacroValue(reg, MakeKeyCode(kSelfStartKey, winKeys), SelfStartText());
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
        WriteSchemeSound(event, dir + wave.file);
    }
}

void WriteSpeakerDefaults(settings::TRegistry& reg) {
    if (!reg.OpenKey(settings::kSpeakerKey, true)) {
        return;
    }
    for (int event = settings::kFirstSoundEvent; event <= settings::kLastSoundEvent; ++event) {
        reg.WriteString(settings::SoundEventNames.at(event), FormatSpeakerRec(kSpeakerDefault));
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

TKeyCode UmlautKeyCode(std::uint16_t virtualKey, std::uint8_t modifiers) {
    return ModifierBitsOf(modifiers) | virtualKey;
}

void WriteMacroValue(settings::TRegistry& reg, TKeyCode code, const std::string& text) {
    reg.WriteString(KeyCodeToValueName(code), text);
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

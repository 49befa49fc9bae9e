// Moving the whole editable state between the settings store and the window.
#include "ui/MainForm.h"

#include "driver/DriverControl.h"
#include "macros/MacroList.h"
#include "settings/StoreError.h"
#include "sound/SoundSettings.h"
#include "toolkit/ErrorDisplay.h"
#include "toolkit/MessageBoxes.h"

#include <functional>

namespace ui {
namespace {

// Runs one step of loading; a store error it raises is shown, and its text kept in *error.
// True when the step ran through.
bool LoadStep(const std::function<void()>& step, std::string* error) {
    try {
        step();
    } catch (const std::exception& e) {
        *error = e.what();
        toolkit::ShowErrorText(*error);
        return false;
    }
    return true;
}

} // namespace

// Each step stands on its own: a value the store cannot read is reported and the rest
// still loads. A key that cannot be read is reported with its name and reason and is not
// written until a later load has read it, so that no save overwrites what the user could
// not see.
void TMainForm::LoadSettings() {
    const TOptionsLoad load = LoadOptions(store_, startup_.IsWinNT);
    optionsReadError_ = load.KeyError;
    if (!optionsReadError_.empty()) {
        toolkit::ShowErrorText(optionsReadError_);
    }
    toolkit::Guarded([this] { OptionsPage.CBAutostart.SetChecked(driver::IsAutostartSet()); });
    for (const std::string& error : load.ValueErrors) {
        toolkit::ShowErrorText(error);
    }
    options_ = load.Options;
    OptionsPage.Show(options_);
    SoundsPage.ShowMode(options_.UseSpeaker);
    macrosReadError_.clear();
    LoadStep([this] { macros::LoadMacroList(Macros, MacroListView); }, &macrosReadError_);
    toolkit::Guarded([] { sound::CreateEmptySchemeKeys(); });
    speakerReadError_.clear();
    LoadStep(
        [this] {
            for (const std::string& error : sound::LoadSpeakerTable(SoundsPage.SpeakerTable)) {
                toolkit::ShowErrorText(error);
            }
        },
        &speakerReadError_);
}

void TMainForm::SaveSettings() {
    const bool autostart = OptionsPage.CBAutostart.Checked();
    if (autostart != driver::IsAutostartSet()) {
        driver::SetAutostart(driver::kAutostartValueName, driver::AutostartCommand(), autostart);
    }
    // What could not be read is not written; the user is told at the end.
    std::string notSaved;
    const auto skipped = [&](const char* what, const std::string& reason) {
        notSaved += std::string(notSaved.empty() ? "" : "\r\n\r\n") + what +
                    " wurden nicht gespeichert, weil sie nicht gelesen werden konnten:\r\n" +
                    reason;
    };
    if (optionsReadError_.empty()) {
        OptionsPage.ReadInto(options_);
        options_.UseSpeaker = SoundsPage.UsesSpeaker();
        SaveOptions(store_, options_);
    } else {
        skipped("Die Optionen", optionsReadError_);
    }
    if (macrosReadError_.empty()) {
        macros::SaveMacroList(Macros);
    } else {
        skipped("Die Makros", macrosReadError_);
    }
    if (speakerReadError_.empty()) {
        sound::SaveSpeakerTable(SoundsPage.SpeakerTable);
    } else {
        skipped("Die Lautsprecher-Signale", speakerReadError_);
    }
    driver::PostToDriver(driver::WM_RELOADSETTINGS, 0, 0);
    if (!notSaved.empty()) {
        throw settings::StoreError(notSaved);
    }
}

} // namespace ui

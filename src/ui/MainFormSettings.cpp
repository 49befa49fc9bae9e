// Moving the whole editable state between the settings store and the window.
#include "ui/MainForm.h"

#include "driver/DriverControl.h"
#include "macros/MacroList.h"
#include "settings/Layout.h"
#include "settings/Names.h"
#include "sound/SoundSettings.h"
#include "toolkit/ErrorDisplay.h"
#include "toolkit/MessageBoxes.h"

#include "platform/Services.h"
#include "settings/StoreError.h"

#include <functional>
#include <utility>
#include <vector>

namespace ui {
namespace {

// The check box of each switch of the page "Optionen"; the sound mode is the radio button.
std::vector<std::pair<toolkit::TCheckBox*, settings::TOption>> OptionBoxes(TMainForm& form) {
    return {
        {&form.EasyBSCB, settings::optEasyBackslash}, {&form.EasyTabCB, settings::optEasyTab},
        {&form.npDotCB, settings::optNumDot},         {&form.doBeepCB, settings::optBeep},
        {&form.HideCB, settings::optHideIcon},        {&form.lockNumCB, settings::optLockNum},
        {&form.mainFunctionCB, settings::optEnabled},
    };
}

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
    toolkit::Guarded([this] { CBAutostart.SetChecked(driver::IsAutostartSet()); });
    for (const std::string& error : load.ValueErrors) {
        toolkit::ShowErrorText(error);
    }
    options_ = load.Options;
    for (auto [box, option] : OptionBoxes(*this)) {
        box->SetChecked(options_.On[option]);
    }
    // The sound card is the other choice: never leave both unchecked.
    (options_.On[settings::optUseSpeaker] ? UseSpeakerRB : UseWavRB).SetChecked(true);
    UpdateSoundPanels();
    EdtDecimalDot.SetText(options_.DecimalDotText());
    macrosReadError_.clear();
    LoadStep([this] { macros::LoadMacroList(Macros, MacroListView); }, &macrosReadError_);
    toolkit::Guarded([] { CreateEmptySchemeKeys(); });
    speakerReadError_.clear();
    LoadStep(
        [this] {
            for (const std::string& error : LoadSpeakerTable(SpeakerTable)) {
                toolkit::ShowErrorText(error);
            }
        },
        &speakerReadError_);
}

void TMainForm::SaveSettings() {
    if (CBAutostart.Checked() != driver::IsAutostartSet()) {
        driver::SetAutostart(driver::kAutostartValueName, driver::AutostartCommand(),
                             CBAutostart.Checked());
    }
    // What could not be read is not written; the user is told at the end.
    std::string notSaved;
    const auto skipped = [&](const char* what, const std::string& reason) {
        notSaved += std::string(notSaved.empty() ? "" : "\r\n\r\n") + what +
                    " wurden nicht gespeichert, weil sie nicht gelesen werden konnten:\r\n" +
                    reason;
    };
    if (optionsReadError_.empty()) {
        for (auto [box, option] : OptionBoxes(*this)) {
            options_.On[option] = box->Checked();
        }
        options_.On[settings::optUseSpeaker] = UseSpeakerRB.Checked();
        options_.SetDecimalDotText(EdtDecimalDot.Text());
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
        SaveSpeakerTable(SpeakerTable);
    } else {
        skipped("Die Lautsprecher-Signale", speakerReadError_);
    }
    driver::PostToDriver(driver::WM_RELOADSETTINGS, 0, 0);
    if (!notSaved.empty()) {
        throw settings::StoreError(notSaved);
    }
}

} // namespace ui

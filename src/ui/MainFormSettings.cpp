// Moving the whole editable state between the settings store and the window.
#include "ui/MainForm.h"

#include "macros/MacroList.h"
#include "settings/Layout.h"
#include "settings/Names.h"
#include "settings/OptionsRegistry.h"
#include "settings/Registry.h"
#include "sound/SoundSettings.h"
#include "toolkit/ErrorDisplay.h"
#include "toolkit/MessageBoxes.h"
#include "ui/DriverControl.h"

#include "platform/Services.h"
#include "settings/StoreError.h"

#include <functional>
#include <utility>
#include <vector>

namespace ui {
namespace {

// The option check boxes in the order both directions process them.
std::vector<std::pair<toolkit::TCheckBox*, int>> OptionBoxes(TMainForm& form) {
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
    // Loading asks for read access only, also after a save opened the key for writing.
    settings::OpenSettingsKeyForReading();
    optionsReadError_ = settings::SettingsKeyReadError();
    if (!optionsReadError_.empty()) {
        toolkit::ShowErrorText(optionsReadError_);
    }
    toolkit::Guarded([this] { CBAutostart.SetChecked(IsAutostartSet()); });
    for (auto [box, option] : OptionBoxes(*this)) {
        toolkit::Guarded([&, box = box, option = option] {
            box->SetChecked(settings::SettingsRegistry().ReadOption(option) != 0);
        });
    }
    toolkit::Guarded([this] {
        if (settings::SettingsRegistry().ReadOption(settings::optUseSpeaker) != 0) {
            UseSpeakerRB.SetChecked(true);
        } else {
            // The sound card is the other choice: never leave both unchecked.
            UseWavRB.SetChecked(true);
        }
    });
    toolkit::Guarded([this] {
        // Kept as read: a text with characters the edit cannot show goes back untouched.
        decimalDotRead_ = settings::SettingsRegistry()
                              .ReadText(settings::OptionValueNames.at(settings::optDecimalDot))
                              .value_or(platform::RegValue());
        EdtDecimalDot.SetText(settings::TRegistry::TextOf(decimalDotRead_));
    });
    macrosReadError_.clear();
    LoadStep([this] { macros::LoadMacroList(Macros, MacroListView); }, &macrosReadError_);
    toolkit::Guarded([] { CreateEmptySchemeKeys(); });
    speakerReadError_.clear();
    LoadStep([this] { LoadSpeakerTable(SpeakerTable); }, &speakerReadError_);
}

void TMainForm::SaveSettings() {
    if (CBAutostart.Checked() != IsAutostartSet()) {
        SetAutostart(kAutostartValueName, AutostartCommand(), CBAutostart.Checked());
    }
    // What could not be read is not written; the user is told at the end.
    std::string notSaved;
    const auto skipped = [&](const char* what, const std::string& reason) {
        notSaved += std::string(notSaved.empty() ? "" : "\r\n\r\n") + what +
                    " wurden nicht gespeichert, weil sie nicht gelesen werden konnten:\r\n" +
                    reason;
    };
    if (optionsReadError_.empty()) {
        auto& store = settings::SettingsStoreForWriting();
        for (auto [box, option] : OptionBoxes(*this)) {
            store.WriteOption(option, box->Checked() ? 1 : 0);
        }
        store.WriteOption(settings::optUseSpeaker, UseSpeakerRB.Checked() ? 1 : 0);
        platform::RegValue decimalDot = decimalDotRead_;
        if (EdtDecimalDot.Text() != settings::TRegistry::TextOf(decimalDotRead_)) {
            // Edited: stored as the user sees it.
            decimalDot =
                platform::RegValue(static_cast<std::uint32_t>(platform::RegType::Sz),
                                   {EdtDecimalDot.Text().begin(), EdtDecimalDot.Text().end()});
        }
        decimalDot.type = static_cast<std::uint32_t>(platform::RegType::Sz);
        store.WriteTexts({{settings::OptionValueNames.at(settings::optDecimalDot), decimalDot}});
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
    PostToDriver(WM_RELOADSETTINGS, 0, 0);
    if (!notSaved.empty()) {
        throw settings::StoreError(notSaved);
    }
}

} // namespace ui

// Moving the whole editable state between the settings store and the window.
#include "ui/MainForm.h"

#include "macros/MacroList.h"
#include "settings/Layout.h"
#include "settings/Names.h"
#include "settings/OptionsRegistry.h"
#include "settings/Registry.h"
#include "sound/SoundSettings.h"
#include "toolkit/ErrorDisplay.h"
#include "ui/DriverControl.h"

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

} // namespace

// Each step stands on its own: a value the store cannot read is reported and the rest
// still loads. A macro list that cannot be read whole stays as it was, so that the next
// save cannot delete stored macros.
void TMainForm::LoadSettings() {
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
        EdtDecimalDot.SetText(
            settings::SettingsRegistry().ReadOptionString(settings::optDecimalDot));
    });
    toolkit::Guarded([this] { macros::LoadMacroList(Macros, MacroListView); });
    toolkit::Guarded([] { CreateEmptySchemeKeys(); });
    toolkit::Guarded([this] { LoadSpeakerTable(SpeakerTable); });
}

void TMainForm::SaveSettings() {
    if (CBAutostart.Checked() != IsAutostartSet()) {
        SetAutostart(kAutostartValueName, AutostartCommand(), CBAutostart.Checked());
    }
    auto& store = settings::SettingsRegistry();
    for (auto [box, option] : OptionBoxes(*this)) {
        store.WriteOption(option, box->Checked() ? 1 : 0);
    }
    store.WriteOption(settings::optUseSpeaker, UseSpeakerRB.Checked() ? 1 : 0);
    store.WriteOptionString(settings::optDecimalDot, EdtDecimalDot.Text());
    macros::SaveMacroList(Macros);
    SaveSpeakerTable(SpeakerTable);
    PostToDriver(WM_RELOADSETTINGS, 0, 0);
}

} // namespace ui

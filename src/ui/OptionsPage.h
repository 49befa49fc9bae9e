// The page "Optionen": the driver's switches, the decimal character, the autostart entry,
// the driver's version with its documentation, and the button that starts or stops it.
#pragma once

#include "settings/Names.h"
#include "settings/SettingsStore.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ToggleButton.h"
#include "ui/Options.h"

namespace ui {

class TOptionsPage {
public:
    TOptionsPage(toolkit::TForm& form, settings::TSettingsStore& store);

    toolkit::TCheckBox mainFunctionCB;
    toolkit::TCheckBox CBAutostart;
    toolkit::TCheckBox HideCB;
    toolkit::TCheckBox doBeepCB;
    toolkit::TCheckBox lockNumCB;
    toolkit::TCheckBox npDotCB;
    // Hidden: names the edit for a screen reader.
    toolkit::TLabel DecimalDotLabel;
    toolkit::TEdit EdtDecimalDot;
    toolkit::TCheckBox EasyBSCB;
    toolkit::TCheckBox EasyTabCB;
    toolkit::TLabel Label3;
    toolkit::TLabel TastorVersionLbl;
    toolkit::TButton BtnDoc;
    toolkit::TToggleButton ControlTastorBtn;

    // The switches of this page and the decimal character, as the options hold them.
    void Show(const TOptions& options);
    // The switches of this page and the decimal character as the user left them; the
    // sound mode is not on this page and stays as it is.
    void ReadInto(TOptions& options) const;

    void ControlTastorBtnClick();
    void UpdateDriverButton();
    void ShowDriverVersion();
    void BtnDocClick();

private:
    settings::TSettingsStore& store_;
};

// One switch of the settings window: the option's field, the option that names its stored
// value, and the check box that shows it.
struct TOptionSwitch {
    bool TOptions::*Field;
    settings::TOption Option;
    // The sound mode has none: it is the radio button pair of the page "Sounds".
    toolkit::TCheckBox TOptionsPage::*Box;
};

// In the order they are read and written. "Umlautwandlung" belongs to the installation and
// "UmlautMode" to the driver: the window leaves both alone.
inline constexpr TOptionSwitch kOptionSwitches[] = {
    {&TOptions::EasyBackslash, settings::optEasyBackslash, &TOptionsPage::EasyBSCB},
    {&TOptions::EasyTab, settings::optEasyTab, &TOptionsPage::EasyTabCB},
    {&TOptions::NumDot, settings::optNumDot, &TOptionsPage::npDotCB},
    {&TOptions::Beep, settings::optBeep, &TOptionsPage::doBeepCB},
    {&TOptions::HideIcon, settings::optHideIcon, &TOptionsPage::HideCB},
    {&TOptions::LockNum, settings::optLockNum, &TOptionsPage::lockNumCB},
    {&TOptions::Enabled, settings::optEnabled, &TOptionsPage::mainFunctionCB},
    {&TOptions::UseSpeaker, settings::optUseSpeaker, nullptr},
};

} // namespace ui

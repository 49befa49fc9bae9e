#include "setup/UnInstallForm.h"

#include "UnInstallIds.h"
#include "toolkit/Application.h"

namespace setup {

TUnInstallForm::TUnInstallForm()
    : toolkit::TForm(IDD_UNINSTALL), OptionsRG(*this, IDC_OPTIONSRG), FilesCB(*this, IDC_FILESCB),
      AutostartCB(*this, IDC_AUTOSTARTCB), SettingsCB(*this, IDC_SETTINGSCB),
      SoundCB(*this, IDC_SOUNDCB), MacrosCB(*this, IDC_MACROSCB), OkBtn(*this, IDC_UNINSTOKBTN),
      CancelBtn(*this, IDC_UNINSTCANCELBTN) {
    SetCaption("Tastor32 deinstallieren");
    OptionsRG.SetCaption("Was wollen Sie entfernen?");
    FilesCB.SetCaption("Programmdateien");
    AutostartCB.SetCaption("Autostart-Eintrag");
    SettingsCB.SetCaption("Programm-Einstellungen");
    SoundCB.SetCaption("Sound-Einstellungen");
    MacrosCB.SetCaption("Macros");
    for (toolkit::TCheckBox* box : {&FilesCB, &AutostartCB, &SettingsCB, &SoundCB, &MacrosCB}) {
        box->SetChecked(true);
    }
    // The program files and the autostart entry always go.
    FilesCB.SetEnabled(false);
    AutostartCB.SetEnabled(false);
    OkBtn.SetCaption("OK");
    OkBtn.ModalResultOnClick = static_cast<int>(toolkit::ModalResult::mrOk);
    OkBtn.OnClick = [this] { OkBtnClick(); };
    CancelBtn.SetCaption("Abbrechen");
    CancelBtn.ModalResultOnClick = static_cast<int>(toolkit::ModalResult::mrCancel);
}

void TUnInstallForm::OkBtnClick() {
    RemoveItems = TRemoveItems();
    const std::pair<const toolkit::TCheckBox*, TRemoveItem> boxes[] = {
        {&FilesCB, riFiles},  {&AutostartCB, riAutostart}, {&SettingsCB, riSettings},
        {&SoundCB, riSounds}, {&MacrosCB, riMacros},
    };
    for (const auto& [box, item] : boxes) {
        if (box->Checked()) {
            RemoveItems.Include(item);
        }
    }
}

TRemoveItems AskRemoveItems() {
    TUnInstallForm form;
    if (toolkit::ShowModal(form) == toolkit::ModalResult::mrOk) {
        return form.RemoveItems;
    }
    return TRemoveItems();
}

} // namespace setup

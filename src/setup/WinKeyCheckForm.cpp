#include "setup/WinKeyCheckForm.h"

#include "WinKeyCheckIds.h"
#include "toolkit/Application.h"

namespace setup {

TFrmWinKeyCheck::TFrmWinKeyCheck()
    : toolkit::TForm(IDD_WINKEYCHECK), Label1(*this, IDC_WINKEYLABEL1),
      Label2(*this, IDC_WINKEYLABEL2), RB0(*this, IDC_WINKEYRB0), RB1(*this, IDC_WINKEYRB1),
      RB2(*this, IDC_WINKEYRB2), BitBtn1(*this, IDC_WINKEYOKBTN) {
    SetCaption("Windows-Tasten");
    Label1.SetCaption("Wie viele Windows-Tasten besitzt Ihre Tastatur?");
    Label2.SetCaption("(die meisten Tastaturen haben zwei, Laptops meist nur eine)");
    RB0.SetCaption("Keine");
    RB1.SetCaption("1");
    RB2.SetCaption("2");
    RB0.SetGroup({&RB1, &RB2});
    RB1.SetGroup({&RB0, &RB2});
    RB2.SetGroup({&RB0, &RB1});
    RB2.SetChecked(true);
    BitBtn1.SetCaption("OK");
    BitBtn1.ModalResultOnClick = static_cast<int>(toolkit::ModalResult::mrOk);
}

void TFrmWinKeyCheck::FormCreate() {
    for (toolkit::TRadioButton* button : {&RB0, &RB1, &RB2}) {
        if (button->Checked()) {
            button->SetFocus();
        }
    }
}

void TFrmWinKeyCheck::FormClose() {
    if (RB0.Checked()) {
        WinKeyCount = 0;
    } else if (RB1.Checked()) {
        WinKeyCount = 1;
    } else {
        WinKeyCount = 2;
    }
}

int GetNumWinKeys() {
    TFrmWinKeyCheck form;
    toolkit::ShowModal(form);
    return form.WinKeyCount;
}

} // namespace setup

// TFrmWinKeyCheck: the modal dialog "Windows-Tasten" that asks how many Windows keys the
// keyboard has. The first-run installation puts its default program-start macros on them.
#pragma once

#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

namespace setup {

class TFrmWinKeyCheck : public toolkit::TForm {
public:
    TFrmWinKeyCheck();

    toolkit::TLabel Label1;
    toolkit::TLabel Label2;
    toolkit::TRadioButton RB0;
    toolkit::TRadioButton RB1;
    toolkit::TRadioButton RB2;
    toolkit::TButton BitBtn1;

    // Set whenever the dialog closes, by OK or by its title bar: 0, 1 or 2.
    int WinKeyCount = 2;

    // The focus starts on the selected answer: a radio button that gets the focus while
    // unselected reports a click, which would change the answer.
    void FormCreate() override;
    void FormClose() override;
};

// Shows the dialog and returns the number of Windows keys chosen. There is nothing to
// cancel: every way of closing it gives the selected answer.
int GetNumWinKeys();

} // namespace setup

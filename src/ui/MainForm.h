// TMainForm: the settings window with the pages "Macros", "Optionen" and "Sounds".
#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"

namespace ui {

class TMainForm : public toolkit::TForm {
public:
    TMainForm();

    toolkit::TPageControl PageControl1;
    toolkit::TTabSheet TabMacros;
    toolkit::TTabSheet TabOptions;
    toolkit::TTabSheet TabSounds;
    toolkit::TButton AcceptBtn;
    toolkit::TButton OkBtn;
    toolkit::TButton CancelBtn;

    void FormCreate() override;
    void AcceptBtnClick();
    void OkBtnClick();
    void CancelBtnClick();
};

} // namespace ui

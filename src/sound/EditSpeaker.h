// TEditSpeakerFrm: the modal dialog in which the user sets one event's PC-speaker beep
// (pitch, length and number of tones) and can hear it before keeping it.
#pragma once

#include "sound/SpeakerRec.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/SpinEdit.h"

namespace sound {

class TEditSpeakerFrm : public toolkit::TForm {
public:
    TEditSpeakerFrm(int event, const TSpeakerRec& rec);

    toolkit::TLabel Label1;
    toolkit::TLabel FreqLbl;
    toolkit::TScrollBar ScrollBar1;
    toolkit::TLabel Label2;
    toolkit::TSpinEdit DurationEdit;
    toolkit::TLabel Label3;
    toolkit::TSpinEdit CountEdit;
    toolkit::TButton ListenBtn;
    toolkit::TButton OkBtn;
    toolkit::TButton CancelBtn;

    // The dialog's own copy of the record; OK replaces it.
    TSpeakerRec Rec;

    // The window is made each time it is shown.
    void FormCreate() override { FormShow(); }
    // Caption and controls from the event and the record.
    void FormShow();
    void ScrollBar1Change();
    // Plays the tones as the controls stand, not as the record holds them.
    void ListenBtnClick();
    void OkBtnClick();

private:
    int event_;
};

// Lets the user edit one event's record in a fresh editor. True for OK, and the record is
// then the edited one; false for Cancel or closing, and the record is unchanged.
bool EditSpeakerSound(int event, TSpeakerRec& rec);

} // namespace sound

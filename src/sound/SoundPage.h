// The page "Sounds" of the settings window: the choice between wave sounds and PC-speaker
// beeps, the way to the system's sound settings, and the speaker beep of each event.
#pragma once

#include "sound/SpeakerRec.h"
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/RadioButton.h"

namespace sound {

class TSoundsPage {
public:
    // On the NT family there is no PC speaker to program: its radio button is disabled.
    TSoundsPage(toolkit::TForm& form, bool isWinNT);

    toolkit::TRadioButton UseWavRB;
    toolkit::TPanel WavPanel;
    toolkit::TLabel WavText1;
    toolkit::TLabel WavText2;
    toolkit::TButton EditSoundBtn;
    toolkit::TRadioButton UseSpeakerRB;
    toolkit::TPanel SpeakerPanel;
    toolkit::TLabel SpeakerLabel;
    toolkit::TComboBox SpeakerCB;
    toolkit::TButton SpeakerSetupBtn;

    // The PC-speaker beeps of the sound events, as loaded and edited.
    TSpeakerTable SpeakerTable{};

    // Checks the button of the mode; the sound card is the other choice, so one of the two
    // is always checked.
    void ShowMode(bool useSpeaker);
    bool UsesSpeaker() const { return UseSpeakerRB.Checked(); }
    // Lists the events to choose a beep for and chooses the first.
    void FillEvents();

    void SoundRBClick();
    void UpdateSoundPanels();
    void EditSoundBtnClick();
    void SpeakerSetupBtnClick();
};

// Starts the system's sound control panel on the page of the sound events. Raises an
// error naming the system's error code when it cannot be started.
void StartSoundControlPanel();

} // namespace sound

#include "sound/SoundPage.h"

#include "platform/Services.h"
#include "resource.h"
#include "settings/Names.h"
#include "sound/EditSpeaker.h"

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace sound {

TSoundsPage::TSoundsPage(toolkit::TForm& form, bool isWinNT)
    : UseWavRB(form, IDC_USEWAVRB), WavPanel(form, IDC_WAVPANEL), WavText1(form, IDC_WAVTEXT1),
      WavText2(form, IDC_WAVTEXT2), EditSoundBtn(form, IDC_EDITSOUNDBTN),
      UseSpeakerRB(form, IDC_USESPEAKERRB), SpeakerPanel(form, IDC_SPEAKERPANEL),
      SpeakerLabel(form, IDC_SPEAKERLABEL), SpeakerCB(form, IDC_SPEAKERCB),
      SpeakerSetupBtn(form, IDC_SPEAKERSETUPBTN) {
    UseWavRB.SetCaption("&Soundkarte benutzen");
    UseSpeakerRB.SetCaption("PC-\"&Lautsprecher\" benutzen");
    UseWavRB.SetGroup({&UseSpeakerRB});
    UseSpeakerRB.SetGroup({&UseWavRB});
    UseWavRB.SetChecked(true);
    UseSpeakerRB.SetEnabled(!isWinNT);
    UseWavRB.OnClick = [this] { SoundRBClick(); };
    UseSpeakerRB.OnClick = [this] { SoundRBClick(); };
    WavText1.SetCaption("Klicken Sie hier, ");
    WavText2.SetCaption("um bestimmten Tasten Klänge zuzuweisen.");
    EditSoundBtn.SetCaption("&Akustische Signale");
    EditSoundBtn.OnClick = [this] { EditSoundBtnClick(); };
    SpeakerLabel.SetCaption("Klangfunktion");
    SpeakerCB.SetNameLabel(&SpeakerLabel);
    SpeakerSetupBtn.SetCaption("&Einstellen..");
    SpeakerSetupBtn.OnClick = [this] { SpeakerSetupBtnClick(); };
}

void TSoundsPage::ShowMode(bool useSpeaker) {
    (useSpeaker ? UseSpeakerRB : UseWavRB).SetChecked(true);
    UpdateSoundPanels();
}

void TSoundsPage::FillEvents() {
    SpeakerCB.Items.assign(settings::SoundEventNames.begin() + settings::kFirstSoundEvent,
                           settings::SoundEventNames.begin() + settings::kLastSoundEvent + 1);
    SpeakerCB.ItemsChanged();
    SpeakerCB.SetItemIndex(0);
}

void TSoundsPage::SoundRBClick() {
    UpdateSoundPanels();
}

void TSoundsPage::UpdateSoundPanels() {
    const bool wave = UseWavRB.Checked();
    using Controls = std::initializer_list<toolkit::TControl*>;
    for (toolkit::TControl* control : Controls{&WavText1, &WavText2, &EditSoundBtn}) {
        control->SetEnabled(wave);
    }
    for (toolkit::TControl* control : Controls{&SpeakerLabel, &SpeakerCB, &SpeakerSetupBtn}) {
        control->SetEnabled(!wave);
    }
}

void TSoundsPage::EditSoundBtnClick() {
    StartSoundControlPanel();
}

void TSoundsPage::SpeakerSetupBtnClick() {
    const int event = SpeakerCB.ItemIndex() + settings::kFirstSoundEvent;
    if (event < settings::kFirstSoundEvent || event > settings::kLastSoundEvent) {
        return;
    }
    // A confirmed edit stays in the table until the window is saved or cancelled.
    EditSpeakerSound(event, SpeakerTable[event]);
}

void StartSoundControlPanel() {
    const auto started = platform::Procs().Exec("control.exe MMSYS.CPL,@1");
    if (started.result < platform::kExecStarted) {
        throw std::runtime_error("Fehler beim Starten von: Systemsteuerung (" +
                                 std::to_string(static_cast<std::int32_t>(started.lastError)) +
                                 ")");
    }
}

} // namespace sound

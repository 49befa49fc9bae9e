#include "sound/EditSpeaker.h"

#include "EditSpeakerIds.h"
#include "GlyphIds.h"
#include "settings/Names.h"
#include "sound/PCSpeaker.h"
#include "toolkit/Application.h"

namespace sound {

namespace {

constexpr const char* kCaption = "Klangfunktion bearbeiten für: ";
// Silence after every tone of the preview, and the pause every confirmed record stores.
constexpr std::int32_t kPauseMs = 50;

} // namespace

TEditSpeakerFrm::TEditSpeakerFrm(int event, const TSpeakerRec& rec)
    : toolkit::TForm(IDD_EDITSPEAKER), Label1(*this, IDC_FREQCAPTION), FreqLbl(*this, IDC_FREQLBL),
      ScrollBar1(*this, IDC_SCROLLBAR1), Label2(*this, IDC_DURATIONCAPTION),
      DurationEdit(*this, IDC_DURATIONEDIT), Label3(*this, IDC_COUNTCAPTION),
      CountEdit(*this, IDC_COUNTEDIT), ListenBtn(*this, IDC_LISTENBTN),
      OkBtn(*this, IDC_SPEAKEROKBTN), CancelBtn(*this, IDC_SPEAKERCANCELBTN), Rec(rec),
      event_(event) {
    SetCaption(kCaption);
    Label1.SetCaption("Frequenz");
    FreqLbl.SetCaption("0");
    ScrollBar1.SetRange(0, 9000);
    ScrollBar1.SmallChange = 100;
    ScrollBar1.LargeChange = 200;
    ScrollBar1.SetPosition(2000);
    ScrollBar1.OnChange = [this] { ScrollBar1Change(); };
    // Read out by the caption's name, not by the label that shows the number.
    ScrollBar1.SetNameLabel(&Label1);
    ScrollBar1.Unit = "Hz";
    Label2.SetCaption("Dauer");
    DurationEdit.MinValue = 0;
    DurationEdit.MaxValue = 200;
    DurationEdit.Increment = 5;
    DurationEdit.SetMaxLength(3);
    DurationEdit.SetValue(10);
    DurationEdit.SetNameLabel(&Label2);
    Label3.SetCaption("Anzahl");
    CountEdit.MinValue = 0;
    CountEdit.MaxValue = 5;
    CountEdit.Increment = 1;
    CountEdit.SetMaxLength(1);
    CountEdit.SetValue(1);
    CountEdit.SetNameLabel(&Label3);
    ListenBtn.SetCaption("An&hören");
    ListenBtn.GlyphId = IDI_SPEAKER;
    ListenBtn.DisabledGlyphId = IDI_SPEAKER_DISABLED;
    ListenBtn.OnClick = [this] { ListenBtnClick(); };
    OkBtn.SetCaption("OK");
    OkBtn.OnClick = [this] { OkBtnClick(); };
    CancelBtn.SetCaption("Abbrechen");
    CancelBtn.ModalResultOnClick = static_cast<int>(toolkit::ModalResult::mrCancel);
}

void TEditSpeakerFrm::FormShow() {
    SetCaption(kCaption + settings::SoundEventNames.at(event_));
    // A hand-edited frequency outside the bar's range shows at the nearer end.
    ScrollBar1.SetPosition(Rec.Frequency);
    DurationEdit.SetValue(Rec.Duration);
    CountEdit.SetValue(Rec.Count);
    ScrollBar1Change();
}

void TEditSpeakerFrm::ScrollBar1Change() {
    FreqLbl.SetCaption(std::to_string(ScrollBar1.Position()));
}

void TEditSpeakerFrm::ListenBtnClick() {
    const std::int32_t count = CountEdit.Limit(CountEdit.Value());
    const auto frequency = static_cast<std::uint16_t>(ScrollBar1.Position());
    const auto duration = static_cast<std::uint32_t>(DurationEdit.Limit(DurationEdit.Value()));
    TPCSpeaker speaker;
    for (std::int32_t tone = 0; tone < count; ++tone) {
        speaker.PlayTone(frequency, duration);
        speaker.Wait(kPauseMs);
    }
}

void TEditSpeakerFrm::OkBtnClick() {
    Rec = {ScrollBar1.Position(), DurationEdit.Limit(DurationEdit.Value()),
           CountEdit.Limit(CountEdit.Value()), kPauseMs};
    SetModalResult(toolkit::ModalResult::mrOk);
}

bool EditSpeakerSound(int event, TSpeakerRec& rec) {
    TEditSpeakerFrm form(event, rec);
    if (toolkit::ShowModal(form) != toolkit::ModalResult::mrOk) {
        return false;
    }
    rec = form.Rec;
    return true;
}

} // namespace sound

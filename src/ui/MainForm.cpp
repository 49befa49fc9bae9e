#include "ui/MainForm.h"

#include "driver/DriverControl.h"
#include "platform/Services.h"
#include "resource.h"
#include "settings/Names.h"
#include "sound/EditSpeaker.h"
#include "sound/SoundPage.h"
#include "ui/DriverVersion.h"

namespace ui {

TMainForm::TMainForm(const settings::TStartupState& startup, settings::TSettingsStore& store)
    : toolkit::TForm(IDD_MAINFORM), PageControl1(*this, IDC_PAGECONTROL),
      TabMacros(*this, IDC_TABMACROS, IDD_TABMACROS),
      TabOptions(*this, IDC_TABOPTIONS, IDD_TABOPTIONS),
      TabSounds(*this, IDC_TABSOUNDS, IDD_TABSOUNDS), AcceptBtn(*this, IDC_ACCEPTBTN),
      OkBtn(*this, IDC_OKBTN), CancelBtn(*this, IDC_CANCELBTN),
      MacroListView(*this, IDC_MACROLISTVIEW), NewBtn(*this, IDC_NEWBTN),
      EditBtn(*this, IDC_EDITBTN), DeleteBtn(*this, IDC_DELETEBTN), ExportBtn(*this, IDC_EXPORTBTN),
      ImportBtn(*this, IDC_IMPORTBTN), mainFunctionCB(*this, IDC_MAINFUNCTIONCB),
      CBAutostart(*this, IDC_CBAUTOSTART), HideCB(*this, IDC_HIDECB), doBeepCB(*this, IDC_DOBEEPCB),
      lockNumCB(*this, IDC_LOCKNUMCB), npDotCB(*this, IDC_NPDOTCB),
      EdtDecimalDot(*this, IDC_EDTDECIMALDOT), EasyBSCB(*this, IDC_EASYBSCB),
      EasyTabCB(*this, IDC_EASYTABCB), Label3(*this, IDC_VERSIONCAPTION),
      TastorVersionLbl(*this, IDC_TASTORVERSIONLBL), BtnDoc(*this, IDC_BTNDOC),
      ControlTastorBtn(*this, IDC_CONTROLTASTORBTN), UseWavRB(*this, IDC_USEWAVRB),
      WavPanel(*this, IDC_WAVPANEL), WavText1(*this, IDC_WAVTEXT1), WavText2(*this, IDC_WAVTEXT2),
      EditSoundBtn(*this, IDC_EDITSOUNDBTN), UseSpeakerRB(*this, IDC_USESPEAKERRB),
      SpeakerPanel(*this, IDC_SPEAKERPANEL), SpeakerLabel(*this, IDC_SPEAKERLABEL),
      SpeakerCB(*this, IDC_SPEAKERCB), SpeakerSetupBtn(*this, IDC_SPEAKERSETUPBTN),
      startup_(startup), store_(store), macroRows_(Macros), macroCommands_(Macros, MacroListView),
      macroTransfer_(Macros) {
    SetCaption("Tastor32 Einstellungen");
    TabMacros.SetCaption("Macros");
    TabOptions.SetCaption("Optionen");
    TabSounds.SetCaption("Sounds");
    PageControl1.AddPage(TabMacros);
    PageControl1.AddPage(TabOptions);
    PageControl1.AddPage(TabSounds);
    PageControl1.OnChange = [this] { PageControl1Change(); };

    AcceptBtn.SetCaption("&Übernehmen");
    AcceptBtn.SetHint("aktuelle Einstellungen an Tastor übergeben; TSetup geöffnet lassen", true);
    OkBtn.SetCaption("OK");
    OkBtn.SetHint("Einstellungen übernehmen und TSetup beenden", true);
    CancelBtn.SetCaption("Abbrechen");
    CancelBtn.SetHint("Setup abbrechen, ohne Einstellungen zu übernehmen", true);
    AcceptBtn.OnClick = [this] { AcceptBtnClick(); };
    OkBtn.OnClick = [this] { OkBtnClick(); };
    CancelBtn.OnClick = [this] { CancelBtnClick(); };

    MacroListView.Columns = {{"Tasten", 90, 60}, {"Macro", 400, 400}};
    MacroListView.SetModel(&macroRows_);
    MacroListView.OnDblClick = [this] { MacroListViewDblClick(); };
    MacroListView.OnKeyUp = [this](std::uint16_t key, toolkit::TShiftState shift) {
        MacroListViewKeyUp(key, shift);
    };
    NewBtn.SetCaption("&Neu");
    NewBtn.SetHint("Makro neu anlegen", true);
    NewBtn.OnClick = [this] { NewBtnClick(); };
    EditBtn.SetCaption("&Bearbeiten");
    EditBtn.SetHint("Makro bearbeiten", true);
    EditBtn.OnClick = [this] { EditBtnClick(); };
    DeleteBtn.SetCaption("&Löschen");
    DeleteBtn.SetHint("markiertes Makro löschen", true);
    DeleteBtn.OnClick = [this] { DeleteBtnClick(); };
    ExportBtn.SetCaption("Export");
    ExportBtn.SetHint("Makroliste in Datei exportieren. Mit Shift: in die Zwischenablage", false);
    ImportBtn.SetCaption("Import");
    ImportBtn.SetHint("Makrodatei importieren", false);
    ExportBtn.OnClick = [this] { ExportBtnClick(); };
    ImportBtn.OnClick = [this] { ImportBtnClick(); };

    mainFunctionCB.SetCaption("Tastor eingeschaltet [AltGr+F1]");
    mainFunctionCB.SetHint("Tastor-Funktionen aktivieren? (entspricht [AltGr+F1])", true);
    CBAutostart.SetCaption("Tastor mit Windows starten");
    CBAutostart.SetHint("Tastor zusammen mit Windows starten?", true);
    HideCB.SetCaption("Tastor-Symbol verstecken");
    HideCB.SetHint("Tastor in der Taskleiste unsichtbar?", true);
    doBeepCB.SetCaption("Ton bei Umschaltungen");
    doBeepCB.SetHint("Akustische Signale bei Umschalttasten?", true);
    lockNumCB.SetCaption("NUM-Umschaltung sperren");
    lockNumCB.SetHint("<Num> Taste gegen versehentliches Umschalten schützen?", true);
    npDotCB.SetCaption("Zehnerblock Punkt");
    npDotCB.SetHint("Komma oder Punkt im Nummernblock?", true);
    EdtDecimalDot.SetText(".");
    EasyBSCB.SetCaption("EasyBackslash");
    EasyBSCB.SetHint("\"\\\" auf der <#>-Taste?", true);
    EasyTabCB.SetCaption("EasyTab");
    EasyTabCB.SetHint("<Tab> auf den <+>,<-> Tasten des Nummernblocks?", true);
    Label3.SetCaption("Tastor32 Version");
    // Replaced by the driver file's version when the page is first shown.
    TastorVersionLbl.SetCaption("2.0.1");
    BtnDoc.SetCaption("&Dokumentation");
    BtnDoc.GlyphId = IDI_DOCUMENT;
    BtnDoc.DisabledGlyphId = IDI_DOCUMENT_DISABLED;
    BtnDoc.OnClick = [this] { BtnDocClick(); };
    ControlTastorBtn.SetCaption("&Tastor starten");
    ControlTastorBtn.OnClick = [this] { ControlTastorBtnClick(); };

    UseWavRB.SetCaption("&Soundkarte benutzen");
    UseSpeakerRB.SetCaption("PC-\"&Lautsprecher\" benutzen");
    UseWavRB.SetGroup({&UseSpeakerRB});
    UseSpeakerRB.SetGroup({&UseWavRB});
    UseWavRB.SetChecked(true);
    UseWavRB.OnClick = [this] { SoundRBClick(); };
    UseSpeakerRB.OnClick = [this] { SoundRBClick(); };
    WavText1.SetCaption("Klicken Sie hier, ");
    WavText2.SetCaption("um bestimmten Tasten Klänge zuzuweisen.");
    EditSoundBtn.SetCaption("&Akustische Signale");
    EditSoundBtn.OnClick = [this] { EditSoundBtnClick(); };
    SpeakerLabel.SetCaption("Klangfunktion");
    SpeakerSetupBtn.SetCaption("&Einstellen..");
    SpeakerSetupBtn.OnClick = [this] { SpeakerSetupBtnClick(); };
}

void TMainForm::FormCreate() {
    driver::PostToDriver(driver::WM_SETTINGSOPENING, 0, 0);
    {
        // A driver that does not answer keeps the window from appearing for a while.
        toolkit::TBusyScope busy;
        driver::SendToDriver(driver::WM_SETTINGSOPENED, 0, 0);
    }
    PageControl1.SetActivePage(TabMacros);
    MacroListView.SetFocus();
    // The NT family has no PC speaker to program.
    UseSpeakerRB.SetEnabled(!startup_.IsWinNT);
    LoadSettings();
    SpeakerCB.Items.assign(settings::SoundEventNames.begin() + settings::kFirstSoundEvent,
                           settings::SoundEventNames.begin() + settings::kLastSoundEvent + 1);
    SpeakerCB.ItemsChanged();
    SpeakerCB.SetItemIndex(0);
}

void TMainForm::FormPaint() {
    UpdateDriverButton();
}

void TMainForm::AcceptBtnClick() {
    SaveSettings();
    if (PageControl1.ActivePage() == &TabMacros) {
        MacroListView.SetFocus();
    }
}

void TMainForm::OkBtnClick() {
    // A failing save leaves the window open: the error ends this handler before Close.
    AcceptBtnClick();
    Close();
}

void TMainForm::CancelBtnClick() {
    Close();
}

void TMainForm::PageControl1Change() {
    UpdateDriverButton();
    if (PageControl1.ActivePage() == &TabOptions) {
        ShowDriverVersion();
    }
}

void TMainForm::NewBtnClick() {
    macroCommands_.NewBtnClick();
}

void TMainForm::EditBtnClick() {
    macroCommands_.EditBtnClick();
}

void TMainForm::DeleteBtnClick() {
    macroCommands_.DeleteBtnClick();
}

void TMainForm::MacroListViewDblClick() {
    macroCommands_.MacroListViewDblClick();
}

void TMainForm::MacroListViewKeyUp(std::uint16_t key, toolkit::TShiftState shift) {
    macroCommands_.MacroListViewKeyUp(key, shift);
}

void TMainForm::ExportBtnClick() {
    macroTransfer_.ExportBtnClick();
}

void TMainForm::ImportBtnClick() {
    macroTransfer_.ImportBtnClick([this] { LoadSettings(); });
}

void TMainForm::UpdateDriverButton() {
    if (driver::IsDriverRunning()) {
        ControlTastorBtn.SetCaption("&Tastor schließen");
        ControlTastorBtn.SetDown(true);
    } else {
        ControlTastorBtn.SetCaption("&Tastor starten");
        ControlTastorBtn.SetDown(false);
    }
}

void TMainForm::ControlTastorBtnClick() {
    if (driver::IsDriverRunning()) {
        driver::PostToDriver(driver::kWmQuit, 0, 0);
    } else {
        driver::StartDriver(store_);
    }
    platform::Time().SleepAlertable(1000);
    UpdateDriverButton();
    ShowDriverVersion();
}

// Read anew every time: a replaced driver file shows its version at once.
void TMainForm::ShowDriverVersion() {
    TastorVersionLbl.SetCaption(GetVersionInfoString(driver::DriverExePath(store_), "FileVersion"));
}

void TMainForm::BtnDocClick() {
    OpenDocumentation();
}

void TMainForm::SoundRBClick() {
    UpdateSoundPanels();
}

void TMainForm::UpdateSoundPanels() {
    const bool wave = UseWavRB.Checked();
    const std::initializer_list<toolkit::TControl*> inWavPanel = {&WavText1, &WavText2,
                                                                  &EditSoundBtn};
    const std::initializer_list<toolkit::TControl*> inSpeakerPanel = {&SpeakerLabel, &SpeakerCB,
                                                                      &SpeakerSetupBtn};
    for (toolkit::TControl* control : inWavPanel) {
        control->SetEnabled(wave);
    }
    for (toolkit::TControl* control : inSpeakerPanel) {
        control->SetEnabled(!wave);
    }
}

void TMainForm::EditSoundBtnClick() {
    StartSoundControlPanel();
}

void TMainForm::SpeakerSetupBtnClick() {
    const int event = SpeakerCB.ItemIndex() + settings::kFirstSoundEvent;
    if (event < settings::kFirstSoundEvent || event > settings::kLastSoundEvent) {
        return;
    }
    // A confirmed edit stays in the table until the window is saved or cancelled.
    EditSpeakerSound(event, SpeakerTable[event]);
}

} // namespace ui

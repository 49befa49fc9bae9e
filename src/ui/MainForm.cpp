#include "ui/MainForm.h"

#include "driver/DriverControl.h"
#include "resource.h"

namespace ui {

TMainForm::TMainForm(const settings::TStartupState& startup, settings::TSettingsStore& store)
    : toolkit::TForm(IDD_MAINFORM), PageControl1(*this, IDC_PAGECONTROL),
      TabMacros(*this, IDC_TABMACROS, IDD_TABMACROS),
      TabOptions(*this, IDC_TABOPTIONS, IDD_TABOPTIONS),
      TabSounds(*this, IDC_TABSOUNDS, IDD_TABSOUNDS), AcceptBtn(*this, IDC_ACCEPTBTN),
      OkBtn(*this, IDC_OKBTN), CancelBtn(*this, IDC_CANCELBTN),
      MacroListLabel(*this, IDC_MACROLISTLABEL), MacroListView(*this, IDC_MACROLISTVIEW),
      NewBtn(*this, IDC_NEWBTN), EditBtn(*this, IDC_EDITBTN), DeleteBtn(*this, IDC_DELETEBTN),
      ExportBtn(*this, IDC_EXPORTBTN), ImportBtn(*this, IDC_IMPORTBTN), OptionsPage(*this, store),
      SoundsPage(*this, startup.IsWinNT), startup_(startup), store_(store), macroRows_(Macros),
      macroCommands_(Macros, MacroListView), macroTransfer_(Macros) {
    SetCaption("Tastor32 Einstellungen");
    TabMacros.SetCaption("Macros");
    TabOptions.SetCaption("Optionen");
    TabSounds.SetCaption("Sounds");
    PageControl1.SetCaption("Seiten");
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

    MacroListLabel.SetCaption("Makroliste");
    MacroListView.SetNameLabel(&MacroListLabel);
    MacroListView.Columns = {{"Tasten", 90, 60}, {"Macro", 400, 400}};
    MacroListView.SetModel(&macroRows_);
    MacroListView.OnDblClick = [this] { macroCommands_.MacroListViewDblClick(); };
    MacroListView.OnKeyUp = [this](std::uint16_t key, toolkit::TShiftState shift) {
        macroCommands_.MacroListViewKeyUp(key, shift);
    };
    NewBtn.SetCaption("&Neu");
    NewBtn.SetHint("Makro neu anlegen", true);
    NewBtn.OnClick = [this] { macroCommands_.NewBtnClick(); };
    EditBtn.SetCaption("&Bearbeiten");
    EditBtn.SetHint("Makro bearbeiten", true);
    EditBtn.OnClick = [this] { macroCommands_.EditBtnClick(); };
    DeleteBtn.SetCaption("&Löschen");
    DeleteBtn.SetHint("markiertes Makro löschen", true);
    DeleteBtn.OnClick = [this] { macroCommands_.DeleteBtnClick(); };
    ExportBtn.SetCaption("Export");
    ExportBtn.SetHint("Makroliste in Datei exportieren. Mit Shift: in die Zwischenablage", false);
    ImportBtn.SetCaption("Import");
    ImportBtn.SetHint("Makrodatei importieren", false);
    ExportBtn.OnClick = [this] { macroTransfer_.ExportBtnClick(); };
    ImportBtn.OnClick = [this] { macroTransfer_.ImportBtnClick([this] { LoadSettings(); }); };
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
    LoadSettings();
    SoundsPage.FillEvents();
}

void TMainForm::FormPaint() {
    OptionsPage.UpdateDriverButton();
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
    OptionsPage.UpdateDriverButton();
    if (PageControl1.ActivePage() == &TabOptions) {
        OptionsPage.ShowDriverVersion();
    }
}

} // namespace ui

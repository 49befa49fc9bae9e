#include "ui/MainForm.h"

#include "resource.h"

namespace ui {

TMainForm::TMainForm()
    : toolkit::TForm(IDD_MAINFORM), PageControl1(*this, IDC_PAGECONTROL),
      TabMacros(*this, IDC_TABMACROS, IDD_TABMACROS),
      TabOptions(*this, IDC_TABOPTIONS, IDD_TABOPTIONS),
      TabSounds(*this, IDC_TABSOUNDS, IDD_TABSOUNDS), AcceptBtn(*this, IDC_ACCEPTBTN),
      OkBtn(*this, IDC_OKBTN), CancelBtn(*this, IDC_CANCELBTN) {
    SetCaption("Tastor32 Einstellungen");
    TabMacros.SetCaption("Macros");
    TabOptions.SetCaption("Optionen");
    TabSounds.SetCaption("Sounds");
    PageControl1.AddPage(TabMacros);
    PageControl1.AddPage(TabOptions);
    PageControl1.AddPage(TabSounds);
    AcceptBtn.SetCaption("&Übernehmen");
    AcceptBtn.SetHint("aktuelle Einstellungen an Tastor übergeben; TSetup geöffnet lassen", true);
    OkBtn.SetCaption("OK");
    OkBtn.SetHint("Einstellungen übernehmen und TSetup beenden", true);
    CancelBtn.SetCaption("Abbrechen");
    CancelBtn.SetHint("Setup abbrechen, ohne Einstellungen zu übernehmen", true);
    AcceptBtn.OnClick = [this] { AcceptBtnClick(); };
    OkBtn.OnClick = [this] { OkBtnClick(); };
    CancelBtn.OnClick = [this] { CancelBtnClick(); };
}

void TMainForm::FormCreate() {
    PageControl1.SetActivePage(TabMacros);
}

void TMainForm::AcceptBtnClick() {}

void TMainForm::OkBtnClick() {
    AcceptBtnClick();
    Close();
}

void TMainForm::CancelBtnClick() {
    Close();
}

} // namespace ui

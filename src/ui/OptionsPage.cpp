#include "ui/OptionsPage.h"

#include "driver/DriverControl.h"
#include "platform/Services.h"
#include "resource.h"
#include "ui/DriverVersion.h"

namespace ui {

TOptionsPage::TOptionsPage(toolkit::TForm& form, settings::TSettingsStore& store)
    : mainFunctionCB(form, IDC_MAINFUNCTIONCB), CBAutostart(form, IDC_CBAUTOSTART),
      HideCB(form, IDC_HIDECB), doBeepCB(form, IDC_DOBEEPCB), lockNumCB(form, IDC_LOCKNUMCB),
      npDotCB(form, IDC_NPDOTCB), DecimalDotLabel(form, IDC_DECIMALDOTLABEL),
      EdtDecimalDot(form, IDC_EDTDECIMALDOT), EasyBSCB(form, IDC_EASYBSCB),
      EasyTabCB(form, IDC_EASYTABCB), Label3(form, IDC_VERSIONCAPTION),
      TastorVersionLbl(form, IDC_TASTORVERSIONLBL), BtnDoc(form, IDC_BTNDOC),
      ControlTastorBtn(form, IDC_CONTROLTASTORBTN), store_(store) {
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
    DecimalDotLabel.SetCaption("Dezimalzeichen im Zehnerblock");
    EdtDecimalDot.SetNameLabel(&DecimalDotLabel);
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
}

void TOptionsPage::Show(const TOptions& options) {
    for (const TOptionSwitch& option : kOptionSwitches) {
        if (option.Box != nullptr) {
            (this->*option.Box).SetChecked(options.*option.Field);
        }
    }
    EdtDecimalDot.SetText(options.DecimalDotText());
}

void TOptionsPage::ReadInto(TOptions& options) const {
    for (const TOptionSwitch& option : kOptionSwitches) {
        if (option.Box != nullptr) {
            options.*option.Field = (this->*option.Box).Checked();
        }
    }
    options.SetDecimalDotText(EdtDecimalDot.Text());
}

void TOptionsPage::UpdateDriverButton() {
    if (driver::IsDriverRunning()) {
        ControlTastorBtn.SetCaption("&Tastor schließen");
        ControlTastorBtn.SetDown(true);
    } else {
        ControlTastorBtn.SetCaption("&Tastor starten");
        ControlTastorBtn.SetDown(false);
    }
}

void TOptionsPage::ControlTastorBtnClick() {
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
void TOptionsPage::ShowDriverVersion() {
    TastorVersionLbl.SetCaption(GetVersionInfoString(driver::DriverExePath(store_), "FileVersion"));
}

void TOptionsPage::BtnDocClick() {
    OpenDocumentation();
}

} // namespace ui

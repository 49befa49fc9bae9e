#include "macros/EditMacroUnit.h"

#include "EditMacroIds.h"
#include "macros/CombinationHint.h"
#include "macros/SpecialFunctions.h"
#include "platform/Services.h"
#include "platform/Utf16Text.h"
#include "settings/Layout.h"
#include "settings/Registry.h"
#include "toolkit/Application.h"

#include <utility>

namespace macros {
namespace {

constexpr const char* kProgramFilter = "Ausführbare Dateien|*.exe;*.lnk|alle Dateien|*.*";
constexpr const char* kProgramExtension = "exe";
constexpr int kProgramStartIndex = 0;

} // namespace

TEditMacroForm::TEditMacroForm()
    : toolkit::TForm(IDD_EDITMACRO), gbToggles(*this, IDC_GBTOGGLES), cbAltGr(*this, IDC_CBALTGR),
      cbRWin(*this, IDC_CBRWIN), cbCtrl(*this, IDC_CBCTRL), cbAlt(*this, IDC_CBALT),
      cbShift(*this, IDC_CBSHIFT), cbLWin(*this, IDC_CBLWIN), HotKeyLabel(*this, IDC_HOTKEYLABEL),
      HotKey1(*this, IDC_HOTKEY1), HintLbl(*this, IDC_HINTLBL), TextLabel(*this, IDC_TEXTLABEL),
      textEdit(*this, IDC_TEXTEDIT), SpecialLabel(*this, IDC_SPECIALLABEL),
      SpecialCB(*this, IDC_SPECIALCB), AddSpecialBtn(*this, IDC_ADDSPECIALBTN),
      btnOK(*this, IDC_BTNOK), btnCancel(*this, IDC_BTNCANCEL) {
    SetCaption("Makro bearbeiten");
    gbToggles.SetCaption("&Modifizierungstasten");
    cbAltGr.SetCaption("AltGr");
    cbRWin.SetCaption("RWin");
    cbCtrl.SetCaption("Strg");
    cbAlt.SetCaption("Alt");
    cbShift.SetCaption("Umsch");
    cbLWin.SetCaption("LWin");
    HotKeyLabel.SetCaption("&Taste");
    TextLabel.SetCaption("geben Sie hier den T&ext ein, der der Taste zugewiesen werden soll");
    SpecialLabel.SetCaption("hiermit fügen Sie ggf. eine &Sonderfunktion hinzu");
    textEdit.SetNameLabel(&TextLabel);
    SpecialCB.SetNameLabel(&SpecialLabel);
    SpecialCB.SetHint("wählen Sie eine Sonderfunktion aus, und klicken Sie auf \"Hinzufügen\"",
                      true);
    AddSpecialBtn.SetCaption("&Hinzufügen");
    btnOK.SetCaption("OK");
    btnOK.ModalResultOnClick = static_cast<int>(toolkit::ModalResult::mrOk);
    btnCancel.SetCaption("Abbrechen");
    btnCancel.ModalResultOnClick = static_cast<int>(toolkit::ModalResult::mrCancel);

    cbAltGr.OnClick = [this] { cbAltGrClick(); };
    for (toolkit::TCheckBox* box : {&cbRWin, &cbCtrl, &cbAlt, &cbShift, &cbLWin}) {
        box->OnClick = [this] { UpdateHint(); };
    }
    HotKey1.OnChange = [this] { UpdateHint(); };
    // A screen reader hears the key caught, and the hint under the field as its description.
    HotKey1.SetNameLabel(&HotKeyLabel);
    HotKey1.KeyName = [](std::uint16_t key) { return KeyName(key); };
    AddSpecialBtn.OnClick = [this] { AddSpecialBtnClick(); };
}

void TEditMacroForm::FormCreate() {
    SpecialCB.Items.clear();
    for (int index = 0; index < SpecialFunctionCount; ++index) {
        std::string caption = SpecialFunctionCaption(index);
        if (caption.empty()) {
            break;
        }
        SpecialCB.Items.push_back(std::move(caption));
    }
    SpecialCB.SetItemIndex(-1);
    SpecialCB.ItemsChanged();
}

void TEditMacroForm::cbAltGrClick() {
    cbCtrl.SetChecked(false);
    cbAlt.SetChecked(false);
    UpdateHint();
}

void TEditMacroForm::UpdateHint() {
    const TKeyCombination combination = Combination();
    const bool used = IsUsedByAnotherMacro && IsUsedByAnotherMacro(combination);
    HintLbl.SetCaption(CombinationHint(combination, used));
    HotKey1.SetAccessibleDescription(HintLbl.Caption());
}

TKeyCombination TEditMacroForm::Combination() const {
    std::uint8_t modifiers = 0;
    const std::pair<const toolkit::TCheckBox*, std::uint8_t> boxes[] = {
        {&cbShift, ModShift}, {&cbCtrl, ModCtrl}, {&cbAlt, ModAlt},
        {&cbAltGr, ModAltGr}, {&cbRWin, ModRWin}, {&cbLWin, ModLWin}};
    for (const auto& [box, bit] : boxes) {
        if (box->Checked()) {
            modifiers |= bit;
        }
    }
    return {HotKey1.Key(), modifiers};
}

void TEditMacroForm::AddSpecialBtnClick() {
    std::string addition;
    const int index = SpecialCB.ItemIndex();
    if (index == kProgramStartIndex) {
        platform::OpenFileRequest request;
        request.filter = kProgramFilter;
        request.defaultExtension = kProgramExtension;
        request.initialFolder = platform::Utf16FromCp1252(ReadWindowsSetting("ProgramFilesDir"));
        const std::optional<std::string> file = platform::FileDialogsService().Open(request);
        if (file) {
            // A program start is the whole macro text.
            textEdit.SetText("");
            addition = "^" + *file;
        }
    } else {
        addition = SpecialFunctionText(index);
    }
    // Always at the end, wherever the caret stands.
    textEdit.SetText(textEdit.Text() + addition);
}

std::string ReadWindowsSetting(const std::string& valueName) {
    settings::TRegistry registry(platform::Hive::LocalMachine);
    if (!registry.OpenKeyReadOnly(settings::kWindowsVersionKey)) {
        return {};
    }
    const settings::TRegDataType type = registry.GetDataType(valueName);
    if (type != settings::TRegDataType::rdString &&
        type != settings::TRegDataType::rdExpandString) {
        return {};
    }
    return registry.ReadString(valueName);
}

bool EditMacro(TKeyCombination& combination, std::string& text,
               const UsedByAnotherMacro& usedByAnotherMacro) {
    TEditMacroForm form;
    form.IsUsedByAnotherMacro = usedByAnotherMacro;
    const std::uint8_t modifiers = combination.Modifiers;
    // AltGr comes after Strg and Alt, so that its rule clears them here as well.
    form.cbShift.SetChecked((modifiers & ModShift) != 0);
    form.cbCtrl.SetChecked((modifiers & ModCtrl) != 0);
    form.cbAlt.SetChecked((modifiers & ModAlt) != 0);
    form.cbAltGr.SetChecked((modifiers & ModAltGr) != 0);
    form.cbRWin.SetChecked((modifiers & ModRWin) != 0);
    form.cbLWin.SetChecked((modifiers & ModLWin) != 0);
    // The key field holds keys 1-255 only.
    form.HotKey1.SetKey(combination.VirtualKey > 255 ? 0 : combination.VirtualKey);
    form.textEdit.SetText(text);
    form.UpdateHint();

    if (toolkit::ShowModal(form) != toolkit::ModalResult::mrOk) {
        return false;
    }

    combination = form.Combination();
    text = form.textEdit.Text();
    return true;
}

} // namespace macros

// TEditMacroForm: the modal dialog "Makro bearbeiten" in which the user sets one macro's
// modifier keys, its key and its text. EditMacro runs it for one macro.
#pragma once

#include "macros/KeyCode.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/HotKey.h"
#include "toolkit/Label.h"

#include <functional>
#include <string>

namespace macros {

// Whether another macro of the list already has the combination, as far as the list would
// ask before changing it.
using UsedByAnotherMacro = std::function<bool(const TKeyCombination& combination)>;

class TEditMacroForm : public toolkit::TForm {
public:
    TEditMacroForm();

    toolkit::TGroupBox gbToggles;
    toolkit::TCheckBox cbAltGr;
    toolkit::TCheckBox cbRWin;
    toolkit::TCheckBox cbCtrl;
    toolkit::TCheckBox cbAlt;
    toolkit::TCheckBox cbShift;
    toolkit::TCheckBox cbLWin;
    toolkit::TLabel HotKeyLabel;
    toolkit::THotKey HotKey1;
    toolkit::TLabel HintLbl;
    toolkit::TLabel TextLabel;
    toolkit::TEdit textEdit;
    toolkit::TLabel SpecialLabel;
    toolkit::TComboBox SpecialCB;
    toolkit::TButton AddSpecialBtn;
    toolkit::TButton btnOK;
    toolkit::TButton btnCancel;

    // Fills the list of special functions.
    void FormCreate() override;
    // Whenever AltGr changes, by the user or by filling, Strg and Alt are cleared.
    void cbAltGrClick();
    // Appends the chosen special function to the text; a program start replaces the text.
    void AddSpecialBtnClick();
    // Says under the key field why the combination as set cannot work, if it cannot.
    void UpdateHint();

    // The modifier byte from the six check boxes and the key from the key field.
    TKeyCombination Combination() const;
    // Asked for the hint; unset: no other macro counts.
    UsedByAnotherMacro IsUsedByAnotherMacro;
};

// A text value of "SOFTWARE\Microsoft\Windows\CurrentVersion" under HKEY_LOCAL_MACHINE,
// opened without creating it. Empty when the key cannot be opened or the value is missing
// or not text.
std::string ReadWindowsSetting(const std::string& valueName);

// Lets the user edit a macro in a fresh editor. True for OK: then the combination (modifier
// byte rebuilt from the six check boxes, the key from the key field) and the text are the
// edited ones. False for Cancel or closing: both arguments are unchanged. The editor's hint
// asks usedByAnotherMacro; OK returns what the user set whatever the hint says.
bool EditMacro(TKeyCombination& combination, std::string& text,
               const UsedByAnotherMacro& usedByAnotherMacro = {});

} // namespace macros

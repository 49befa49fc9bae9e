// TMainForm: the settings window with the pages "Macros", "Optionen" and "Sounds". Every
// edit stays in the controls until "&Übernehmen" or OK writes them all at once.
#pragma once

#include "macros/MacroList.h"
#include "macros/MacroTransfer.h"
#include "platform/Registry.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"
#include "sound/SpeakerRec.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"
#include "ui/Options.h"

#include <cstdint>

namespace ui {

class TMainForm : public toolkit::TForm {
public:
    TMainForm(const settings::TStartupState& startup, settings::TSettingsStore& store);

    toolkit::TPageControl PageControl1;
    toolkit::TTabSheet TabMacros;
    toolkit::TTabSheet TabOptions;
    toolkit::TTabSheet TabSounds;
    toolkit::TButton AcceptBtn;
    toolkit::TButton OkBtn;
    toolkit::TButton CancelBtn;

    // Page "Macros"
    toolkit::TListView MacroListView;
    toolkit::TButton NewBtn;
    toolkit::TButton EditBtn;
    toolkit::TButton DeleteBtn;
    toolkit::TButton ExportBtn;
    toolkit::TButton ImportBtn;

    // Page "Optionen"
    toolkit::TCheckBox mainFunctionCB;
    toolkit::TCheckBox CBAutostart;
    toolkit::TCheckBox HideCB;
    toolkit::TCheckBox doBeepCB;
    toolkit::TCheckBox lockNumCB;
    toolkit::TCheckBox npDotCB;
    toolkit::TEdit EdtDecimalDot;
    toolkit::TCheckBox EasyBSCB;
    toolkit::TCheckBox EasyTabCB;
    toolkit::TLabel Label3;
    toolkit::TLabel TastorVersionLbl;
    toolkit::TButton BtnDoc;
    toolkit::TToggleButton ControlTastorBtn;

    // Page "Sounds"
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

    void FormCreate() override;
    void FormPaint() override;
    void AcceptBtnClick();
    void OkBtnClick();
    void CancelBtnClick();
    void PageControl1Change();

    void NewBtnClick();
    void EditBtnClick();
    void DeleteBtnClick();
    void MacroListViewDblClick();
    void MacroListViewKeyUp(std::uint16_t key, toolkit::TShiftState shift);
    void ExportBtnClick();
    void ImportBtnClick();
    // The last file name confirmed in the export dialog.
    const std::u16string& LastExportFile() const { return macroTransfer_.LastExportFile(); }

    void ControlTastorBtnClick();
    void UpdateDriverButton();
    void ShowDriverVersion();
    void BtnDocClick();
    void SoundRBClick();
    void UpdateSoundPanels();
    void EditSoundBtnClick();
    void SpeakerSetupBtnClick();

    void LoadSettings();
    void SaveSettings();

    // The macros as loaded and edited; MacroListView shows them.
    macros::TMacroTable Macros;

    // The PC-speaker beeps of the sound events, as loaded and edited.
    TSpeakerTable SpeakerTable{};

private:
    settings::TStartupState startup_;
    settings::TSettingsStore& store_;
    macros::TMacroRows macroRows_;
    macros::TMacroListCommands macroCommands_;
    macros::TMacroTransfer macroTransfer_;
    // Why a key could not be read at the last load (empty when it was read); such a key
    // is not written until a later load reads it.
    std::string optionsReadError_;
    std::string macrosReadError_;
    std::string speakerReadError_;
    // The options as last loaded; the check boxes and the edit hold the user's changes.
    TOptions options_;
};

} // namespace ui

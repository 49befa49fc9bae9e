// TMainForm: the settings window with the pages "Macros", "Optionen" and "Sounds". Every
// edit stays in the controls until "&Übernehmen" or OK writes them all at once.
#pragma once

#include "macros/MacroList.h"
#include "macros/MacroTransfer.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"
#include "sound/SoundPage.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/PageControl.h"
#include "toolkit/TabSheet.h"
#include "ui/Options.h"
#include "ui/OptionsPage.h"

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

    // Page "Macros"; the label is hidden and names the list for a screen reader.
    toolkit::TLabel MacroListLabel;
    toolkit::TListView MacroListView;
    toolkit::TButton NewBtn;
    toolkit::TButton EditBtn;
    toolkit::TButton DeleteBtn;
    toolkit::TButton ExportBtn;
    toolkit::TButton ImportBtn;

    TOptionsPage OptionsPage;
    sound::TSoundsPage SoundsPage;

    void FormCreate() override;
    void FormPaint() override;
    void AcceptBtnClick();
    void OkBtnClick();
    void CancelBtnClick();
    void PageControl1Change();

    // The last file name confirmed in the export dialog.
    const std::u16string& LastExportFile() const { return macroTransfer_.LastExportFile(); }

    void LoadSettings();
    void SaveSettings();

    // The macros as loaded and edited; MacroListView shows them.
    macros::TMacroTable Macros;

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

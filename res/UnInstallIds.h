// Identifiers of the uninstallation dialog.
#pragma once

#define IDD_UNINSTALL 151

// OK and Cancel carry the dialog manager's ids for Enter and Escape.
#define IDC_UNINSTOKBTN 1
#define IDC_UNINSTCANCELBTN 2

#define IDC_OPTIONSRG 1750
#define IDC_FILESCB 1751
#define IDC_AUTOSTARTCB 1752
#define IDC_SETTINGSCB 1753
#define IDC_SOUNDCB 1754
#define IDC_MACROSCB 1755

// Identifiers of the macro editor dialog.
#pragma once

#define IDD_EDITMACRO 110

// OK and Cancel carry the dialog manager's ids for Enter and Escape.
#define IDC_BTNOK 1
#define IDC_BTNCANCEL 2

#define IDC_GBTOGGLES 1100
#define IDC_CBALTGR 1101
#define IDC_CBRWIN 1102
#define IDC_CBCTRL 1103
#define IDC_CBALT 1104
#define IDC_CBSHIFT 1105
#define IDC_CBLWIN 1106
#define IDC_HOTKEY1 1107
#define IDC_TEXTEDIT 1108
#define IDC_SPECIALCB 1109
#define IDC_ADDSPECIALBTN 1110
#define IDC_HOTKEYLABEL 1111
#define IDC_TEXTLABEL 1112
#define IDC_SPECIALLABEL 1113
#define IDC_HINTLBL 1114

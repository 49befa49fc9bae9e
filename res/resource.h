// Identifiers shared by the resource scripts and the program.
#pragma once

#define IDI_TSETUP 1
#include "GlyphIds.h"

// Dialog templates
#define IDD_MAINFORM 100
#define IDD_TABMACROS 101
#define IDD_TABOPTIONS 102
#define IDD_TABSOUNDS 103

// Main window. OK and Cancel carry the dialog manager's ids for Enter and Escape.
#define IDC_OKBTN 1
#define IDC_CANCELBTN 2
#define IDC_PAGECONTROL 1000
#define IDC_ACCEPTBTN 1001
#define IDC_TABMACROS 1002
#define IDC_TABOPTIONS 1003
#define IDC_TABSOUNDS 1004

// The macro editor: ids 110 and 1100-1199
#include "EditMacroIds.h"

// Macro page: 1200-1299
#define IDC_MACROLISTVIEW 1200
#define IDC_NEWBTN 1201
#define IDC_EDITBTN 1202
#define IDC_DELETEBTN 1203
#define IDC_EXPORTBTN 1204
#define IDC_IMPORTBTN 1205
#define IDC_MACROLISTLABEL 1206

// Options page: 1300-1399
#define IDC_MAINFUNCTIONCB 1300
#define IDC_CBAUTOSTART 1301
#define IDC_HIDECB 1302
#define IDC_DOBEEPCB 1303
#define IDC_LOCKNUMCB 1304
#define IDC_NPDOTCB 1305
#define IDC_EDTDECIMALDOT 1306
#define IDC_EASYBSCB 1307
#define IDC_EASYTABCB 1308
#define IDC_VERSIONCAPTION 1309
#define IDC_TASTORVERSIONLBL 1310
#define IDC_BTNDOC 1311
#define IDC_CONTROLTASTORBTN 1312
#define IDC_DECIMALDOTLABEL 1313

// Sounds page: 1400-1499
#define IDC_USEWAVRB 1400
#define IDC_WAVPANEL 1401
#define IDC_WAVTEXT1 1402
#define IDC_WAVTEXT2 1403
#define IDC_EDITSOUNDBTN 1404
#define IDC_USESPEAKERRB 1405
#define IDC_SPEAKERPANEL 1406
#define IDC_SPEAKERLABEL 1407
#define IDC_SPEAKERCB 1408
#define IDC_SPEAKERSETUPBTN 1409

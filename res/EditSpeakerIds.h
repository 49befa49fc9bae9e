// Identifiers of the speaker editor dialog: 160 and 1600-1699.
#pragma once

#define IDD_EDITSPEAKER 160

// OK and Cancel carry the dialog manager's ids for Enter and Escape.
#define IDC_SPEAKEROKBTN 1
#define IDC_SPEAKERCANCELBTN 2

#define IDC_FREQCAPTION 1600
#define IDC_FREQLBL 1601
#define IDC_SCROLLBAR1 1602
#define IDC_DURATIONCAPTION 1603
#define IDC_DURATIONEDIT 1604
#define IDC_COUNTCAPTION 1605
#define IDC_COUNTEDIT 1606
#define IDC_LISTENBTN 1607

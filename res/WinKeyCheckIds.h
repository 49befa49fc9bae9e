// Identifiers of the dialog that asks for the number of Windows keys.
#pragma once

#define IDD_WINKEYCHECK 150

// The OK button carries the dialog manager's id for Enter.
#define IDC_WINKEYOKBTN 1

#define IDC_WINKEYLABEL1 1700
#define IDC_WINKEYLABEL2 1701
#define IDC_WINKEYRB0 1702
#define IDC_WINKEYRB1 1703
#define IDC_WINKEYRB2 1704

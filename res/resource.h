// Identifiers shared by the resource scripts and the program.
#pragma once

#define IDI_TSETUP 1

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

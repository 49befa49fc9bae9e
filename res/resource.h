// Identifiers shared by the resource scripts and the program.
#pragma once

#define IDI_TSETUP 1

// Dialog templates
#define IDD_MAINFORM 100
#define IDD_TABMACROS 101
#define IDD_TABOPTIONS 102
#define IDD_TABSOUNDS 103

// Main window
#define IDC_PAGECONTROL 1000
#define IDC_ACCEPTBTN 1001

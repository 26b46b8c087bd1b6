// Resource identifiers of the Zembra program, shared by Zembra.rc and the code.
#pragma once

// Frame: menu, accelerators, icon and the document template string.
#define IDR_MAINFRAME 101
// The editor form, the log options dialog and the About dialog.
#define IDD_ZEMBRA_FORM 104
#define IDD_OPTIONS 106
#define IDD_ABOUT 107
#define IDD_BUTTONS 108

// Editor form controls.
#define ID_CAPTION 1000
#define ID_TEXT 1001
#define ID_ICON 1002
#define ID_BUTTON 1003
#define ID_DEFBUTTON 1004
#define ID_MODAL 1005
#define ID_GENERATE 1006
#define ID_TEST 1010
#define ID_BUTTONSANDTIME 1011

// Menu commands of the program's own.
#define ID_TOOLS_LOGOPTIONS 40002
#define ID_HELP_ABOUT 40003
#define ID_HELP_CONTENTS 40004

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Log options dialog controls.
#define IDC_OUTPUTLOG 1000
#define IDC_LOGPATH 1001
#define IDC_MAXLOGSIZE 1002
#define IDC_BROWSE 1003

// Buttons and time dialog controls.
#define IDC_BUTTONLABEL1 1020
#define IDC_BUTTONLABEL2 1021
#define IDC_BUTTONLABEL3 1022
#define IDC_BUTTONTEXT1 1023
#define IDC_BUTTONTEXT2 1024
#define IDC_BUTTONTEXT3 1025
#define IDC_CLOSEAFTER 1026
#define IDC_SECONDS 1027
#define IDC_ANSWER 1028

// About dialog lines.
#define IDC_ABOUT_LINE1 1007
#define IDC_ABOUT_LINE2 1008
#define IDC_ABOUT_LINE3 1009
#define IDC_ABOUT_LINE4 1010

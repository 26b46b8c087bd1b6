#pragma once
// Resource ids of dialogprobe.

#define IDR_PROBE_FRAME 101
#define IDD_PROBE_DIALOG 104
#define IDD_PROBE_FORM 105
#define IDD_PROBE_NOTE 106

#define IDC_PROBE_NAME 1001
#define IDC_PROBE_CHOICE 1002
#define IDC_PROBE_CHECK 1003
#define IDC_PROBE_EVENTS 1004
#define IDC_PROBE_DISABLED 1005

#define IDC_PROBE_FORM_EDIT 2001
#define IDC_PROBE_FORM_BUTTON 2002
#define IDC_PROBE_FORM_COMBO 2003
// The same id as the edit inside the drop-down combo box before it.
#define IDC_PROBE_FORM_LATE 1001

#define ID_PROBE_DIALOG 40001
#define ID_PROBE_OPEN 40002
#define ID_PROBE_SAVE 40003
#define ID_PROBE_EXIT 40004
#define ID_PROBE_GRAYED 40005
#define ID_PROBE_NOTE 40006

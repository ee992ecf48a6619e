// Resource and control identifiers of the Windows front end, shared by the
// resource script, the ports and the UI tests.
#pragma once

// A control's ID is its field number plus this base: the dialog manager
// owns IDs 1 and 2 (IDOK, IDCANCEL), which are also field numbers.
#define MORWICK_CONTROL_ID_BASE 1000

#define IDC_SHEET1 1001
#define IDC_CLIPOUTTEXT 1003
#define IDC_CLIPINTEXT 1005
#define IDC_BUTTONGET 1008
#define IDC_BUTTONRESET 1010
#define IDC_CANCELBUTTON 1011

#define IDD_MAIN 100
#define IDD_STOP 101
#define IDC_STOPICON 1101
#define IDC_STOPTEXT 1102

#define IDI_APP 1
#define IDI_PASTE 2
#define IDI_CUT 3
#define IDI_CLOSE 4

/* Resource ids of the Windows front end (dialog templates, icon, bitmap,
   strings), shared by the resource script and the code; the control and
   menu ids are in front/control_ids.h. */
#pragma once

#include "front/control_ids.h"

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_CUEDECK_DIALOG 102
#define IDR_MAINFRAME 128
#define IDB_STOP 131
#define IDD_OPTIONS 132
#define IDD_GO_TO 133
#define IDD_PEDAL_LEARN 134
#define IDD_RECOGNIZER 135
#define IDC_GO_TO_PROMPT 1101
#define IDC_GO_TO_TEXT 1102

#define IDM_ABOUTBOX 0x0010

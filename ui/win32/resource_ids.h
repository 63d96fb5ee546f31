/* Resource and control ids of the Windows front end, shared by the resource
   script and the code. */
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_CUEDECK_DIALOG 102
#define IDR_MAINFRAME 128
#define IDR_MENU 129
#define IDB_STOP 131
#define IDD_OPTIONS 132

#define IDC_TIP_LENGTH 1001
#define IDC_PLAY_PAUSE 1002
#define IDC_POSITION 1003
#define IDC_COUNTER 1004
#define IDC_ZERO 1005
#define IDC_REWIND 1006
#define IDC_BACK_5 1007
#define IDC_FORWARD_5 1008
#define IDC_LAST_TIP 1009
#define IDC_NEXT_TIP 1010
#define IDC_PLAYING 1011
#define IDC_PLAYLIST 1012
#define IDC_STOP_PICTURE 1014
#define IDC_TIP_TIMER 1019
#define IDC_TIP_TIMER_BUTTON 1020
#define IDC_SOUND_STATE 1021

#define IDC_OPT_SOUND_ON 1021
#define IDC_OPT_TIP_TIME 1022
#define IDC_OPT_BACK_TIME 1023
#define IDC_OPT_AMOVIE 1024
#define IDC_OPT_PLAYSND 1025
#define IDC_OPT_SOUND_FILE 1026
#define IDC_OPT_BROWSE 1027
#define IDC_OPT_PREVIEW 1028

#define IDM_ABOUTBOX 0x0010

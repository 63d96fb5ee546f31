/* The ids of the main window's controls and menu items, and of the options
   dialog's controls: the one list the resource script, the command tables,
   both front ends and the tests all include. C, so that the resource
   compiler reads it too. */
#pragma once

/* Main window: status fields, buttons and the STOP picture. */
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
/* Below the sound state, where the player can change speed (not in the
   resource script). */
#define IDC_SPEED_STATE 1030
/* Top right: what is known of a device beside the player (the foot pedal). */
#define IDC_DEVICE_STATE 1033
/* Bottom right, where the player has them: the clarity aids that are on,
   and the loop (not in the resource script). */
#define IDC_AIDS_STATE 1034
#define IDC_LOOP_STATE 1035
#define IDC_POSITION_BAR 1036
/* Under the position bar, while the tip has a draft: the cue heard and the next. */
#define IDC_DRAFT_LINE 1046
#define IDC_DRAFT_NEXT 1047 /* the Windows window's second control of it */

/* Options dialog. */
#define IDC_OPT_SOUND_ON 1021
#define IDC_OPT_TIP_TIME 1022
#define IDC_OPT_BACK_TIME 1023
#define IDC_OPT_AMOVIE 1024
#define IDC_OPT_PLAYSND 1025
#define IDC_OPT_SOUND_FILE 1026
#define IDC_OPT_BROWSE 1027
#define IDC_OPT_PREVIEW 1028
#define IDC_OPT_GLOBAL_KEYS 1029
#define IDC_OPT_GLOBAL_KEYS_NOTE 1031
#define IDC_OPT_GLOBAL_KEYS_LABEL 1032
#define IDC_OPT_PEDAL_DEVICE 1037
#define IDC_OPT_PEDAL_LEARN 1038
#define IDC_OPT_PEDAL_BUTTONS 1039
#define IDC_OPT_PEDAL_TOGGLES 1040
#define IDC_OPT_PEDAL_CUES 1045
#define IDC_OPT_PHRASE_STEP_BACK 1042
#define IDC_PEDAL_PROMPT 1041

/* Menu items. */
#define IDM_FILE_OPEN 32771
#define IDM_FILE_SAVE 32772
#define IDM_FILE_SAVE_AS 32773
#define IDM_FILE_EXIT 32774
#define IDM_PLAY_OPEN_PLAYLIST 32775
#define IDM_OPTIONS_SETTINGS 32779
#define IDM_HELP_ABOUT 32780
#define IDM_EDIT_UNDO 32781
#define IDM_EDIT_REDO 32782
#define IDM_HELP_HELP 32783
#define IDM_PLAY_OPEN_FILE 32784
#define IDM_PLAY_SLOWER 32785
#define IDM_PLAY_FASTER 32786
#define IDM_PLAY_NORMAL_SPEED 32787
#define IDM_EDIT_COPY_PLACE 32788
#define IDM_EDIT_GO_TO_COPIED_PLACE 32789
#define IDM_PLAY_GO_TO_PLACE 32790
#define IDM_FILE_NEW_TAPE_GROUP 32791
#define IDM_FILE_NEW_TAPE_GROUP_FROM_FOLDER 32792
#define IDM_SOUND_REDUCE_NOISE 32793
#define IDM_SOUND_VOICE_BAND 32794
#define IDM_SOUND_EVEN_LOUDNESS 32795
#define IDM_SOUND_LOUDER 32796
#define IDM_SOUND_CHANNEL_BOTH 32797
#define IDM_SOUND_CHANNEL_LEFT 32798
#define IDM_SOUND_CHANNEL_RIGHT 32799
#define IDM_SOUND_CHANNEL_MIXED 32800
#define IDM_PLAY_LOOP 32801
#define IDM_PLAY_PHRASE_BACK 32802
#define IDM_PLAY_PHRASE_FORWARD 32803
#define IDM_PLAY_PREVIOUS_CUE 32804
#define IDM_PLAY_NEXT_CUE 32805
#define IDM_PLAY_CUE_AGAIN 32806
#define IDM_PLAY_LOOP_CUE 32807
#define IDM_EDIT_COPY_CUE 32808
#define IDM_EDIT_COPY_DRAFT 32809
#define IDM_FILE_OPEN_DRAFT 32810
#define IDM_FILE_SAVE_DRAFT_AS 32811
#define IDM_FILE_MAKE_DRAFT 32812
#define IDM_FILE_MAKE_DRAFT_OF_LOOP 32813
#define IDM_FILE_STOP_MAKING_DRAFT 32814
#define IDM_OPTIONS_RECOGNIZER 32815
/* Options, Recognizer (Windows). */
#define IDC_REC_KIND 1048
#define IDC_REC_MODEL 1049
#define IDC_REC_BROWSE 1050
#define IDC_REC_LANGUAGE 1051
#define IDC_REC_COMMAND 1052
#define IDC_REC_PLACEHOLDERS 1053

/* The texts, fonts and rectangles of the main window, the options dialog
   and the About box: written once here, read by the Windows resource script,
   the Qt layout, and the Qt options dialog and About box; the texts the run
   shows itself are in base/program_texts.h.
   Rectangles are x, y, width, height in dialog units. C macros, so that the
   resource compiler reads them too. The buttons' captions and the menu
   texts are not here: they carry the keys' hints and are built from the key
   table. */
#pragma once

#include "base/program_texts.h"
#include "base/ui_text.h"

/* Fonts. */
#define DIALOG_FONT_FACE "MS Sans Serif"
#define WINDOW_FONT_POINTS 12
#define SMALL_DIALOG_FONT_POINTS 8
#define LARGE_FONT_FACE "Arial"
#define LARGE_FONT_POINTS 54

/* The main window. */
#define WINDOW_SIZE 224, 198
#define AT_VERSION 7, 7, 40, 8
#define TEXT_PLAYLIST UI_TEXT("Playlist")
#define AT_PLAYLIST_LABEL 7, 17, 39, 8
#define AT_PLAYLIST 47, 17, 170, 8
#define TEXT_PLAYING UI_TEXT("Playing")
#define AT_PLAYING_LABEL 7, 27, 39, 8
#define AT_PLAYING 47, 27, 170, 8
#define TEXT_POSITION UI_TEXT("Position")
#define AT_POSITION_LABEL 7, 37, 39, 8
#define AT_POSITION 47, 37, 40, 8
#define TEXT_TIP_LENGTH UI_TEXT("Tip Length")
#define AT_TIP_LENGTH_LABEL 95, 37, 39, 8
#define AT_TIP_LENGTH 135, 37, 40, 8
#define TEXT_COUNTER UI_TEXT("Counter")
#define AT_COUNTER_LABEL 7, 47, 105, 10
#define AT_COUNTER 7, 57, 105, 32
#define AT_TIP_TIMER_LABEL 112, 47, 105, 10
#define AT_TIP_TIMER 112, 57, 105, 32
/* Under the counters, the whole width: the tip at a glance, to click in. */
#define TEXT_POSITION_BAR UI_TEXT("Position")
#define AT_POSITION_BAR 7, 91, 210, 14
#define AT_POSITION_BAR_LABEL 7, 91, 0, 0
/* While the tip has a draft, the window opens under the bar for the cue
   heard (two lines) and the next one (one, dimmer); what lies below moves
   down by DRAFT_LINE_ROOM. */
#define TEXT_DRAFT_LINE UI_TEXT("Draft")
#define TEXT_DRAFT_NEXT UI_TEXT("Next")
#define DRAFT_LINE_TOP 107
#define AT_DRAFT_LINE 7, 107, 210, 27
/* The Windows window's two controls of it. */
#define AT_DRAFT_HEARD 7, 107, 210, 17
#define AT_DRAFT_NEXT 7, 125, 210, 9
#define DRAFT_LINE_ROOM 29
#define AT_PLAY_PAUSE 7, 107, 64, 21
#define AT_TIP_TIMER_BUTTON 71, 107, 64, 21
#define AT_ZERO 7, 128, 64, 21
#define AT_REWIND 71, 128, 64, 21
#define AT_BACK_5 7, 149, 64, 21
#define AT_FORWARD_5 71, 149, 64, 21
#define AT_LAST_TIP 7, 170, 64, 21
#define AT_NEXT_TIP 71, 170, 64, 21
#define AT_STOP_PICTURE 148, 124, 57, 51
#define AT_SOUND_STATE 152, 108, 49, 8
/* Empty at normal speed; wide enough for "No sound device, 200 %", centred
   under the sound state (where the player can change speed). */
#define AT_SPEED_STATE 136, 116, 81, 8
#define AT_DEVICE_STATE 57, 7, 160, 8
/* Below the STOP picture: the loop. */
#define AT_LOOP_STATE 136, 177, 81, 8
/* Where the player has clarity aids, the window is taller: under the
   buttons, the whole width, the aids that are on (two lines, room for all
   five in every language). */
#define WINDOW_SIZE_WITH_AIDS 224, 212
#define AT_AIDS_STATE 7, 193, 210, 16

/* The options dialog. */
#define TEXT_OPTIONS_CAPTION UI_TEXT("Cuedeck Options")
#define AT_OPT_OK 129, 7, 50, 14
#define AT_OPT_CANCEL 129, 24, 50, 14
#define TEXT_OPT_TIP_TIME UI_TEXT("TipTime")
#define AT_OPT_TIP_TIME_LABEL 7, 9, 40, 8
#define AT_OPT_TIP_TIME 47, 7, 40, 12
#define TEXT_OPT_MINUTES UI_TEXT("minutes")
#define AT_OPT_TIP_TIME_UNIT 90, 9, 36, 8
#define TEXT_OPT_BACK_TIME UI_TEXT("Back Time")
#define AT_OPT_BACK_TIME_LABEL 7, 23, 40, 8
#define AT_OPT_BACK_TIME 47, 20, 40, 12
#define TEXT_OPT_SECONDS UI_TEXT("seconds")
#define AT_OPT_BACK_TIME_UNIT 90, 23, 36, 8
#define AT_OPT_SOUND_ON 115, 43, 64, 8
#define TEXT_OPT_PLAY_USING UI_TEXT("Play Sound Using")
#define AT_OPT_PLAY_USING 7, 35, 94, 27
#define TEXT_OPT_AMOVIE UI_TEXT("Amovie")
#define AT_OPT_AMOVIE 13, 47, 40, 8
#define TEXT_OPT_PLAYSND UI_TEXT("Playsnd")
#define AT_OPT_PLAYSND 53, 46, 46, 8
/* On Linux the same two ways, named for what they do there. */
#define TEXT_OPT_SEPARATE_PLAYER "mpv"
#define TEXT_OPT_SEPARATE_PLAYER_SAYS UI_TEXT("mpv plays the sound file once")
#define TEXT_OPT_SOUND_SERVER UI_TEXT("System")
#define TEXT_OPT_SOUND_SERVER_SAYS UI_TEXT("The desktop's sound server plays the sound file")
#define TEXT_OPT_SOUND_FILE UI_TEXT("Sound File:")
#define AT_OPT_SOUND_FILE_LABEL 7, 70, 40, 12
#define AT_OPT_SOUND_FILE 47, 70, 132, 12
#define TEXT_OPT_BROWSE UI_TEXT("Browse...")
#define AT_OPT_BROWSE 117, 84, 56, 14
#define TEXT_OPT_PREVIEW UI_TEXT("Preview")
#define AT_OPT_PREVIEW 56, 84, 50, 14
/* Keys for every window: its caption and items are the controller's. */
#define AT_OPT_GLOBAL_KEYS_LABEL 7, 101, 88, 16
#define AT_OPT_GLOBAL_KEYS 97, 102, 82, 12
/* The resource compiler's combo box height includes its open list. */
#define AT_OPT_GLOBAL_KEYS_LIST 97, 102, 82, 50
/* Three lines: the longest note says what to do instead. */
#define AT_OPT_GLOBAL_KEYS_NOTE 7, 117, 172, 24
/* The foot pedal: below the rest, in a taller dialog; the Qt dialog's ends
   with the draft as subtitles, the Windows one (no subtitles in its player)
   with the phrase step back. */
#define OPTIONS_SIZE_WITH_PEDAL 186, 235
#define OPTIONS_SIZE_WITH_PHRASES 186, 223
#define TEXT_OPT_PEDAL UI_TEXT("Foot pedal")
#define AT_OPT_PEDAL 7, 142, 172, 62
#define AT_OPT_PEDAL_DEVICE 13, 154, 110, 12
/* The resource compiler's combo box height includes its open list. */
#define AT_OPT_PEDAL_DEVICE_LIST 13, 154, 110, 60
#define TEXT_OPT_PEDAL_LEARN UI_TEXT("Learn...")
#define TEXT_OPT_PEDAL_LEARN_CAPTION UI_TEXT("Learn the foot pedal")
#define AT_OPT_PEDAL_LEARN 127, 153, 46, 14
#define AT_OPT_PEDAL_BUTTONS 13, 169, 160, 8
#define TEXT_OPT_PEDAL_TOGGLES UI_TEXT("Middle pedal toggles play/pause")
#define AT_OPT_PEDAL_TOGGLES 13, 180, 160, 8
#define TEXT_OPT_PEDAL_CUES UI_TEXT("Side pedals step through the draft's cues")
#define AT_OPT_PEDAL_CUES 13, 191, 160, 8
/* Learn's prompt (Windows; the Qt one lays itself out). */
#define PEDAL_LEARN_SIZE 160, 44
#define AT_PEDAL_LEARN_PROMPT 7, 9, 146, 8
#define AT_PEDAL_LEARN_CANCEL 103, 23, 50, 14
/* The step back to a phrase's start, where the waveform shows phrases. */
#define AT_OPT_PHRASE_STEP_BACK 7, 209, 172, 8
/* Below it: the draft as subtitles, where the player shows them. */
#define AT_OPT_DRAFT_SUBTITLES 7, 221, 172, 8
/* Last in the Qt dialog, a row taller: the keypad's button and what it has. */
#define OPTIONS_SIZE_WITH_KEYPAD 186, 253
#define AT_OPT_KEYPAD 7, 233, 76, 14
#define AT_OPT_KEYPAD_STATE 87, 236, 92, 8

/* Options, Recognizer: what Make Draft runs. The Qt dialog lays itself out
   and offers the two recognizers only Linux has (PocketSphinx, a server). */
#define TEXT_REC_CAPTION UI_TEXT("Recognizer")
#define TEXT_REC_KIND UI_TEXT("&Recognizer:")
#define TEXT_REC_MODEL UI_TEXT("&Model file:")
#define TEXT_REC_LANGUAGE UI_TEXT("&Language:")
#define TEXT_REC_COMMAND UI_TEXT("&Command:")
#define TEXT_REC_WHISPER UI_TEXT("whisper.cpp (whisper-cli)")
#define TEXT_REC_OWN_COMMAND UI_TEXT("A command of my own")
#define TEXT_REC_PLACEHOLDERS UI_TEXT("Run without a shell. It may name %1, %2, %3, %4 and %5.")
/* Room below the command for Windows' longer note, with its example. */
#define RECOGNIZER_SIZE 262, 160
#define AT_REC_KIND_LABEL 7, 9, 60, 8
#define AT_REC_KIND_LIST 70, 7, 185, 60
#define AT_REC_MODEL_LABEL 7, 27, 60, 8
#define AT_REC_MODEL 70, 25, 129, 12
#define AT_REC_BROWSE 203, 24, 52, 14
#define AT_REC_LANGUAGE_LABEL 7, 45, 60, 8
#define AT_REC_LANGUAGE 70, 43, 60, 12
#define AT_REC_COMMAND_LABEL 7, 63, 60, 8
#define AT_REC_COMMAND 70, 61, 185, 12
#define AT_REC_PLACEHOLDERS 70, 76, 185, 64
#define AT_REC_OK 151, 140, 50, 14
#define AT_REC_CANCEL 205, 140, 50, 14

/* Go To Place. */
#define TEXT_GO_TO_CAPTION UI_TEXT("Go To Place")
#define GO_TO_SIZE 220, 50
#define AT_GO_TO_PROMPT 7, 7, 206, 8
#define AT_GO_TO_TEXT 7, 18, 206, 12
#define AT_GO_TO_OK 109, 33, 50, 14
#define AT_GO_TO_CANCEL 163, 33, 50, 14

/* The About box. */
#define TEXT_ABOUT_CAPTION UI_TEXT("About Cuedeck")
/* Its item in the window's system menu (Windows). */
#define TEXT_ABOUT_MENU UI_TEXT("&About Cuedeck...")
#define ABOUT_SIZE 260, 55
#define AT_ABOUT_ICON 11, 17, 20, 20
#define AT_ABOUT_VERSION 40, 10, 119, 8
#define TEXT_ABOUT_PURPOSE UI_TEXT("A tape group remote for a media player")
#define AT_ABOUT_PURPOSE 40, 22, 213, 8
#define TEXT_ABOUT_COPYRIGHT UI_TEXT("Copyright (C) 2026 the Cuedeck developers")
#define AT_ABOUT_COPYRIGHT 40, 34, 213, 8
#define AT_ABOUT_OK 203, 7, 50, 14

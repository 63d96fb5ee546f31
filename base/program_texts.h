/* The texts of the program's own that the run shows as well as the
   windows: its name, the window's title around a group's path, the tip
   timer's name and the sound state. C macros, so that the resource compiler
   reads them too (through front/window_resources.h). */
#pragma once

#include "base/ui_text.h"

/* The program's name, as messages and questions are captioned, and the
   window's title before a tape group is open (the player's name between)
   and while one is (its path after). */
#define TEXT_PROGRAM_NAME "Cuedeck"
#define TEXT_TITLE_BEFORE_PLAYER TEXT_PROGRAM_NAME " - "
#define TEXT_TITLE_AFTER_PLAYER UI_TEXT(" for Tape Groups")
#define TEXT_TITLE_BEFORE_GROUP TEXT_PROGRAM_NAME " - "

#define TEXT_TIP_TIMER UI_TEXT("Tip Timer")
#define TEXT_SOUND_ON UI_TEXT("Sound ON")
#define TEXT_SOUND_OFF UI_TEXT("Sound Off")

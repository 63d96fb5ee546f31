#include "ui/window_layout.h"

#include "base/control_ids.h"
#include "base/version.h"

namespace cuedeck::layout {

namespace {

constexpr Control controls[] = {
    {0, Kind::Label, 7, 7, 40, 8, CUEDECK_VERSION_TEXT, Align::Left, false},
    {0, Kind::Label, 95, 37, 39, 8, "Tip Length"},
    {0, Kind::Label, 7, 37, 39, 8, "Position"},
    {0, Kind::Label, 7, 47, 93, 10, "Counter", Align::Center},
    {IDC_TIP_LENGTH, Kind::Field, 135, 37, 40, 8, "", Align::Right},
    {IDC_POSITION, Kind::Field, 47, 37, 40, 8, "", Align::Right},
    {IDC_COUNTER, Kind::LargeField, 7, 57, 93, 32, "", Align::Right},
    {IDC_PLAY_PAUSE, Kind::Button, 7, 91, 50, 21, nullptr},
    {IDC_ZERO, Kind::Button, 7, 112, 50, 21, nullptr},
    {IDC_REWIND, Kind::Button, 57, 112, 50, 21, nullptr},
    {IDC_BACK_5, Kind::Button, 7, 133, 50, 21, nullptr},
    {IDC_FORWARD_5, Kind::Button, 57, 133, 50, 21, nullptr},
    {IDC_LAST_TIP, Kind::Button, 7, 154, 50, 21, nullptr},
    {IDC_NEXT_TIP, Kind::Button, 57, 154, 50, 21, nullptr},
    {0, Kind::Label, 7, 27, 39, 8, "Playing"},
    {IDC_PLAYING, Kind::Field, 47, 27, 128, 8, ""},
    {0, Kind::Label, 100, 47, 93, 10, "Tip Timer", Align::Center},
    {IDC_TIP_TIMER, Kind::LargeField, 100, 57, 93, 32, "", Align::Right},
    {IDC_TIP_TIMER_BUTTON, Kind::Button, 57, 91, 50, 21, nullptr},
    {0, Kind::Label, 7, 17, 39, 8, "Playlist"},
    {IDC_PLAYLIST, Kind::Field, 47, 17, 128, 8, ""},
    {IDC_STOP_PICTURE, Kind::Picture, 123, 108, 57, 51, nullptr},
    {IDC_SOUND_STATE, Kind::Label, 127, 92, 39, 8, "Sound ON", Align::Center},
    // Empty at normal speed; wide enough for "Speed 200 %", centred under "Sound ON".
    {IDC_SPEED_STATE, Kind::Label, 117, 100, 59, 8, "", Align::Center},
};

} // namespace

std::span<const Control> main_window_controls()
{
    return controls;
}

} // namespace cuedeck::layout

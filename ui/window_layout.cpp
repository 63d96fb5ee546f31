#include "ui/window_layout.h"

#include "base/version.h"
#include "front/control_ids.h"
#include "front/window_resources.h"

namespace cuedeck::layout {

namespace {

constexpr Control controls[] = {
    {0, Kind::Label, AT_VERSION, CUEDECK_VERSION_TEXT, Align::Left, false},
    {0, Kind::Label, AT_TIP_LENGTH_LABEL, TEXT_TIP_LENGTH},
    {0, Kind::Label, AT_POSITION_LABEL, TEXT_POSITION},
    {0, Kind::Label, AT_COUNTER_LABEL, TEXT_COUNTER, Align::Center},
    {IDC_TIP_LENGTH, Kind::Field, AT_TIP_LENGTH, "", Align::Right},
    {IDC_POSITION, Kind::Field, AT_POSITION, "", Align::Right},
    {IDC_COUNTER, Kind::LargeField, AT_COUNTER, "", Align::Right},
    {IDC_POSITION_BAR, Kind::Bar, AT_POSITION_BAR, TEXT_POSITION_BAR},
    {IDC_PLAY_PAUSE, Kind::Button, AT_PLAY_PAUSE, nullptr},
    {IDC_ZERO, Kind::Button, AT_ZERO, nullptr},
    {IDC_REWIND, Kind::Button, AT_REWIND, nullptr},
    {IDC_BACK_5, Kind::Button, AT_BACK_5, nullptr},
    {IDC_FORWARD_5, Kind::Button, AT_FORWARD_5, nullptr},
    {IDC_LAST_TIP, Kind::Button, AT_LAST_TIP, nullptr},
    {IDC_NEXT_TIP, Kind::Button, AT_NEXT_TIP, nullptr},
    {0, Kind::Label, AT_PLAYING_LABEL, TEXT_PLAYING},
    {IDC_PLAYING, Kind::Field, AT_PLAYING, ""},
    {0, Kind::Label, AT_TIP_TIMER_LABEL, TEXT_TIP_TIMER, Align::Center},
    {IDC_TIP_TIMER, Kind::LargeField, AT_TIP_TIMER, "", Align::Right},
    {IDC_TIP_TIMER_BUTTON, Kind::Button, AT_TIP_TIMER_BUTTON, nullptr},
    {0, Kind::Label, AT_PLAYLIST_LABEL, TEXT_PLAYLIST},
    {IDC_PLAYLIST, Kind::Field, AT_PLAYLIST, ""},
    {IDC_STOP_PICTURE, Kind::Picture, AT_STOP_PICTURE, nullptr},
    {IDC_SOUND_STATE, Kind::Label, AT_SOUND_STATE, TEXT_SOUND_ON, Align::Center},
    {IDC_SPEED_STATE, Kind::Label, AT_SPEED_STATE, "", Align::Center},
    {IDC_DEVICE_STATE, Kind::Label, AT_DEVICE_STATE, "", Align::Right},
    {IDC_LOOP_STATE, Kind::Label, AT_LOOP_STATE, "", Align::Center},
    {IDC_AIDS_STATE, Kind::Label, AT_AIDS_STATE, "", Align::Center},
};

} // namespace

std::span<const Control> main_window_controls()
{
    return controls;
}

} // namespace cuedeck::layout

#include "ui/window_layout.h"

namespace cuedeck::layout {

namespace {

constexpr Control controls[] = {
    {0, Kind::Label, 7, 7, 40, 8, "Version 1.24", Align::Left, false},
    {0, Kind::Label, 95, 37, 39, 8, "Tip Length"},
    {0, Kind::Label, 7, 37, 39, 8, "Position"},
    {0, Kind::Label, 7, 47, 93, 10, "Counter", Align::Center},
    {1001, Kind::Field, 135, 37, 40, 8, "", Align::Right},
    {1003, Kind::Field, 47, 37, 40, 8, "", Align::Right},
    {1004, Kind::LargeField, 7, 57, 93, 32, "", Align::Right},
    {1002, Kind::Button, 7, 91, 50, 21, nullptr},
    {1005, Kind::Button, 7, 112, 50, 21, nullptr},
    {1006, Kind::Button, 57, 112, 50, 21, nullptr},
    {1007, Kind::Button, 7, 133, 50, 21, nullptr},
    {1008, Kind::Button, 57, 133, 50, 21, nullptr},
    {1009, Kind::Button, 7, 154, 50, 21, nullptr},
    {1010, Kind::Button, 57, 154, 50, 21, nullptr},
    {0, Kind::Label, 7, 27, 39, 8, "Playing"},
    {1011, Kind::Field, 47, 27, 128, 8, ""},
    {0, Kind::Label, 100, 47, 93, 10, "Tip Timer", Align::Center},
    {1019, Kind::LargeField, 100, 57, 93, 32, "", Align::Right},
    {1020, Kind::Button, 57, 91, 50, 21, nullptr},
    {0, Kind::Label, 7, 17, 39, 8, "Playlist"},
    {1012, Kind::Field, 47, 17, 128, 8, ""},
    {1014, Kind::Picture, 123, 108, 57, 51, nullptr},
    {1021, Kind::Label, 127, 92, 39, 8, "Sound ON", Align::Center},
};

} // namespace

std::span<const Control> main_window_controls()
{
    return controls;
}

} // namespace cuedeck::layout

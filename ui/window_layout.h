#pragma once

#include <span>

/// The main window's controls as data: where each sits, in dialog units,
/// and what it shows, from the rectangles and texts the resource script uses
/// too (front/window_resources.h). Dialog units scale with the dialog font, so the window
/// keeps its proportions with any font.
namespace cuedeck::layout {

enum class Kind {
    Label,      ///< fixed text
    Field,      ///< a sunken status field the controller writes
    LargeField, ///< a sunken read-out in the large font
    Button,     ///< a transport button; its caption comes from the button table
    Picture,    ///< the STOP picture, at the bitmap's own size
    Bar,        ///< the position bar: the tip, the place, the zero mark, to click in
};

enum class Align { Left, Center, Right };

struct Control
{
    int id; ///< 0 for a label nobody refers to
    Kind kind;
    int x, y, width, height;
    const char* text;
    Align align = Align::Left;
    bool enabled = true;
};

std::span<const Control> main_window_controls();

} // namespace cuedeck::layout

#pragma once

#include <windows.h>

#include "control/run/controller_view.h"

namespace cuedeck {

/// Draw the position bar in `area` of `context` as the Qt window draws it:
/// the tip's waveform and pauses where they are known, a loop's stretch,
/// the draft's cue starts, the zero mark and the place at `position_ms`.
/// The trackbar under it keeps its clicks, drags, keys and its reading by a
/// screen reader; only its looks are these.
void draw_position_bar(HDC context, const RECT& area, const BarState& bar, int position_ms);

} // namespace cuedeck

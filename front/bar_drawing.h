#pragma once

#include <vector>

#include "files/waveform.h"

namespace cuedeck::bar_drawing {

/// The position bar's scale: a tip of `length_ms` across `width` pixels,
/// its start at the first column and its end at the last.
struct Scale
{
    int width = 0;
    int length_ms = 0;
    /// The column of a place, kept within the tip.
    int x_of(int position_ms) const;
    /// The place under column `x`, kept within the tip.
    int position_at(int x) const;
};

/// The waveform's columns as the bar draws them: for each x, how far its
/// line reaches above and below the middle, at most `reach` pixels; 0 for a
/// column not decoded yet, or silent. Each column shows the loudest stretch
/// under it, from the quietest speech worth seeing to full scale.
std::vector<int> waveform_columns(const Waveform& shown, const Scale& scale, int reach);

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
};
/// The bar's own colours, chosen for the base it is drawn on: darker on a
/// light one, lighter on a dark or high-contrast one, each clear of the base.
struct Colours
{
    Rgb waveform;
    Rgb zero_mark;
    Rgb position;
};
Colours colours_on(bool light_base);

} // namespace cuedeck::bar_drawing

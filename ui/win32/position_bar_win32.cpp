#include "ui/win32/position_bar_win32.h"

#include <algorithm>

#include "files/draft_format.h"
#include "front/bar_drawing.h"

namespace cuedeck {
namespace {

COLORREF colour(bar_drawing::Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

/// `from` moved towards `to` by `share` (0 to 1).
COLORREF blend(COLORREF from, COLORREF to, double share)
{
    const auto mix = [&](BYTE a, BYTE b) { return BYTE(a + (b - a) * share); };
    return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
               mix(GetBValue(from), GetBValue(to)));
}

void fill(HDC context, RECT box, COLORREF with)
{
    SetBkColor(context, with);
    ExtTextOutW(context, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
}

/// A light base: its brightness as the Qt palette's lightness reads it.
bool is_light(COLORREF base)
{
    const int most = std::max({GetRValue(base), GetGValue(base), GetBValue(base)});
    const int least = std::min({GetRValue(base), GetGValue(base), GetBValue(base)});
    return (most + least) / 2 >= 128;
}

void draw(HDC context, int width, int height, const BarState& bar, int position_ms)
{
    const COLORREF base = GetSysColor(COLOR_WINDOW);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    fill(context, {0, 0, width, height}, GetSysColor(COLOR_BTNSHADOW));
    fill(context, {1, 1, width - 1, height - 1}, base);
    if (bar.length_ms <= 0 || width < 3 || height < 3)
        return;
    const bar_drawing::Scale scale{width, bar.length_ms};
    const int middle = height / 2;
    const int reach = std::max(middle - 2, 1);
    const auto column = [&](int x, int top, int bottom, COLORREF with, int thickness = 1) {
        fill(context, {x, top, x + thickness, bottom}, with);
    };

    if (bar.loop_start_ms) {
        const int from = scale.x_of(*bar.loop_start_ms);
        const int to = bar.loop_end_ms ? scale.x_of(*bar.loop_end_ms) : from;
        fill(context, {from, 1, std::max(to, from + 1) + 1, height - 1},
             blend(base, GetSysColor(COLOR_HIGHLIGHT), 0.3));
    }
    const auto own = bar_drawing::colours_on(is_light(base));
    if (const Waveform* shown = bar.waveform.get()) {
        const COLORREF pause = blend(base, text, 0.08);
        for (const Waveform::Pause& quiet : shown->pauses) {
            const int from = scale.x_of(quiet.start_ms);
            fill(context, {from, 1, std::max(scale.x_of(quiet.end_ms), from + 1), height - 1},
                 pause);
        }
        const auto columns = bar_drawing::waveform_columns(*shown, scale, reach);
        for (int x = 0; x < width; ++x) {
            if (const int half = columns[static_cast<std::size_t>(x)]; half > 0)
                column(x, middle - half, middle + half + 1, colour(own.waveform));
        }
    }
    if (const Draft* draft = bar.draft.get()) {
        // Where each cue begins: a notch from the top.
        const int notch = std::max(height / 4, 2);
        for (const Cue& cue : draft->cues)
            column(scale.x_of(cue.start_ms), 1, notch + 1, text);
    }
    column(std::max(scale.x_of(bar.zero_mark_ms) - 1, 0), 1, height - 1, colour(own.zero_mark), 2);
    column(std::max(scale.x_of(position_ms) - 1, 0), 1, height - 1, colour(own.position), 2);
}

} // namespace

void draw_position_bar(HDC context, const RECT& area, const BarState& bar, int position_ms)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    // Drawn aside and shown at once: the bar is drawn again at every look
    // at the player, and must not flicker.
    HDC aside = CreateCompatibleDC(context);
    HBITMAP picture = CreateCompatibleBitmap(context, width, height);
    if (aside == nullptr || picture == nullptr) {
        if (picture != nullptr)
            DeleteObject(picture);
        if (aside != nullptr)
            DeleteDC(aside);
        return;
    }
    const HGDIOBJ before = SelectObject(aside, picture);
    draw(aside, width, height, bar, position_ms);
    BitBlt(context, area.left, area.top, width, height, aside, 0, 0, SRCCOPY);
    SelectObject(aside, before);
    DeleteObject(picture);
    DeleteDC(aside);
}

} // namespace cuedeck

#include "front/bar_drawing.h"

#include <algorithm>
#include <cstdint>

namespace cuedeck::bar_drawing {
namespace {

/// The quietest level a column shows: speech this far below full scale
/// still draws a line.
constexpr double shown_floor_db = -48.0;

} // namespace

int Scale::x_of(int position_ms) const
{
    if (length_ms <= 0)
        return 0;
    const int clamped = std::clamp(position_ms, 0, length_ms);
    return static_cast<int>(std::int64_t{clamped} * (width - 1) / length_ms);
}

int Scale::position_at(int x) const
{
    if (width <= 1 || length_ms <= 0)
        return 0;
    const int within = std::clamp(x, 0, width - 1);
    return static_cast<int>(std::int64_t{within} * length_ms / (width - 1));
}

std::vector<int> waveform_columns(const Waveform& shown, const Scale& scale, int reach)
{
    std::vector<int> columns(static_cast<std::size_t>(std::max(scale.width, 0)), 0);
    const auto& levels = shown.levels;
    for (int x = 0; x < scale.width; ++x) {
        const auto first = static_cast<std::size_t>(scale.position_at(x) / waveform::stretch_ms);
        const auto last = std::max(
            first + 1, static_cast<std::size_t>(scale.position_at(x + 1) / waveform::stretch_ms));
        if (first >= levels.size())
            break;
        std::uint8_t loudest = 0;
        for (std::size_t at = first; at < std::min(last, levels.size()); ++at)
            loudest = std::max(loudest, levels[at]);
        const double above_floor = waveform::decibels(loudest) - shown_floor_db;
        if (loudest == 0 || above_floor <= 0)
            continue; // not decoded yet, or silence
        columns[static_cast<std::size_t>(x)] =
            std::max(1, static_cast<int>(above_floor * reach / -shown_floor_db));
    }
    return columns;
}

Colours colours_on(bool light_base)
{
    if (light_base)
        return {{70, 100, 150}, {0, 90, 200}, {210, 30, 30}};
    return {{140, 180, 235}, {100, 170, 255}, {255, 110, 110}};
}

} // namespace cuedeck::bar_drawing

#include "control/state/loop.h"

#include <algorithm>
#include <utility>

#include "base/saturating.h"
#include "base/translation.h"

namespace cuedeck::loop {

std::optional<Loop> pressed(const std::optional<Loop>& loop, int tip, int position_ms)
{
    const int place = std::max(position_ms, 0);
    if (loop && loop->end_ms)
        return std::nullopt; // the third press
    if (!loop || loop->tip != tip)
        return Loop{tip, place, {}};
    if (place == loop->start_ms)
        return std::nullopt;
    const auto [start, end] = std::minmax(loop->start_ms, place);
    return Loop{tip, start, end};
}

int step_back_target(int position_ms, int back_seconds, const std::optional<Loop>& loop)
{
    return kept_in_loop(saturating_sub(position_ms, saturating_mul(back_seconds, 1000)),
                        position_ms, loop);
}

int kept_in_loop(int target_ms, int position_ms, const std::optional<Loop>& loop)
{
    const int target = std::max(target_ms, 0);
    if (loop && loop->end_ms && position_ms >= loop->start_ms)
        return std::max(target, loop->start_ms);
    return target;
}

std::string text(const std::optional<Loop>& loop)
{
    if (!loop)
        return {};
    std::string shown = translated(UI_TEXT("Loop %1 \u2013"), {format_tenths(loop->start_ms)});
    if (loop->end_ms)
        shown += " " + format_tenths(*loop->end_ms);
    return shown;
}

std::string format_tenths(int position_ms)
{
    const int tenths = std::max(position_ms, 0) / 100;
    const int seconds = tenths / 10;
    std::string text = std::to_string(seconds / 60) + ":";
    if (seconds % 60 < 10)
        text += '0';
    return text + std::to_string(seconds % 60) + "." + std::to_string(tenths % 10);
}

} // namespace cuedeck::loop

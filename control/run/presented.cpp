#include "control/run/presented.h"

#include <algorithm>

#include "base/saturating.h"
#include "base/translation.h"
#include "control/state/time_format.h"

namespace cuedeck {

PresentedRun present_run(const PlayerStatus& status, const RunState& state,
                         const std::string& recording)
{
    const int tip = status.playlist_index;
    const int tip_length = std::max(status.track_length_s, 0);
    const int position = std::max(status.position_ms, 0);
    PresentedRun shown;
    shown.playing = translated(UI_TEXT("%1 of %2"), {std::to_string(saturating_add(tip, 1)),
                                                     std::to_string(status.playlist_length)}) +
                    "   " +
                    (status.fault == EntryFault::Unplayable
                         ? translated(UI_TEXT("%1 cannot be played"), {recording})
                         : status.caption);
    shown.tip_length = format_minutes_seconds(tip_length);
    shown.position = format_minutes_seconds(position / 1000);
    // Integer division truncates toward zero: -1500 ms shows as -0:01, -999 ms as 0:00.
    shown.counter = format_minutes_seconds(saturating_sub(position, state.zero_mark) / 1000);
    shown.tip_timer = format_minutes_seconds(state.tip_seconds_left);

    BarState& bar = shown.bar;
    bar.length_ms = saturating_mul(tip_length, 1000);
    bar.position_ms = position;
    bar.zero_mark_ms = state.zero_mark;
    if (state.loop && state.loop->tip == tip) {
        bar.loop_start_ms = state.loop->start_ms;
        bar.loop_end_ms = state.loop->end_ms;
    }
    bar.counter = shown.counter;
    bar.file = status.file;
    return shown;
}

} // namespace cuedeck

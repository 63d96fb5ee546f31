#pragma once

#include <optional>
#include <string>

namespace cuedeck {

/// A loop of a hard stretch of one tip: its start is set by the first press
/// of the loop key, its end by the second (then the stretch plays over and
/// over), and the third ends it.
struct Loop
{
    int tip = 0;      ///< 0-based
    int start_ms = 0; ///< before the end, once there is one
    std::optional<int> end_ms;

    friend bool operator==(const Loop&, const Loop&) = default;
};

namespace loop {

/// The loop after one press at `position_ms` of tip `tip`: a start, then
/// the stretch between the two places (in either order), then none. Two
/// presses at one place set no stretch.
std::optional<Loop> pressed(const std::optional<Loop>& loop, int tip, int position_ms);

/// Where a pause at `position_ms` steps back to: `back_seconds` before it,
/// not before the tip's start and, inside a loop's stretch, not before its start.
int step_back_target(int position_ms, int back_seconds, const std::optional<Loop>& loop);
/// A step back from `position_ms` to `target_ms`, kept as step_back_target
/// keeps it: not before the tip's start, nor before a loop's start inside it.
int kept_in_loop(int target_ms, int position_ms, const std::optional<Loop>& loop);

/// The status: "Loop 0:12.3 – 0:17.8", "Loop 0:12.3 –" while only its start
/// is set, empty without one.
std::string text(const std::optional<Loop>& loop);

/// Minutes, seconds and tenths (cut): "0:12.3", "61:00.0".
std::string format_tenths(int position_ms);

} // namespace loop

} // namespace cuedeck

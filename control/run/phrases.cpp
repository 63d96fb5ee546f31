#include "control/run/phrases.h"

#include <vector>

#include "base/saturating.h"

namespace cuedeck::phrases {
namespace {

/// Where each phrase begins: the tip's start unless it opens with a pause,
/// then the end of every pause that is not the tip's end.
std::vector<int> starts(const Waveform& waveform)
{
    std::vector<int> found;
    const int end = waveform.length_ms();
    if (waveform.pauses.empty() || waveform.pauses.front().start_ms > 0)
        found.push_back(0);
    for (const Waveform::Pause& pause : waveform.pauses) {
        if (pause.end_ms < end)
            found.push_back(pause.end_ms);
    }
    return found;
}

} // namespace

std::optional<int> back(const Waveform& waveform, int position_ms)
{
    if (!waveform.complete || waveform.levels.empty())
        return std::nullopt;
    std::optional<int> found;
    for (const int start : starts(waveform)) {
        if (start <= position_ms - replay_within_ms)
            found = start;
    }
    return found.value_or(0);
}

std::optional<int> forward(const Waveform& waveform, int position_ms)
{
    if (!waveform.complete || waveform.levels.empty())
        return std::nullopt;
    for (const int start : starts(waveform)) {
        if (start > position_ms + landed_within_ms)
            return start;
    }
    return std::nullopt;
}

std::optional<int> step_back_target(const Waveform& waveform, int position_ms, int back_seconds)
{
    if (!waveform.complete || waveform.levels.empty())
        return std::nullopt;
    const int reach = saturating_add(saturating_mul(back_seconds, 1000), step_back_reach_ms);
    std::optional<int> found;
    for (const int start : starts(waveform)) {
        if (start <= position_ms && start >= position_ms - reach)
            found = start;
    }
    return found;
}

} // namespace cuedeck::phrases

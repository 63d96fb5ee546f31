#pragma once

#include <optional>
#include <span>

#include "files/waveform.h"

namespace cuedeck::phrases {

/// Back from within this much after a phrase's start goes to the one before.
constexpr int replay_within_ms = 1000;
/// Forward from within this much before a phrase's start goes past it.
constexpr int landed_within_ms = 100;
/// After a phrase move, a place reported this near where it landed is there.
constexpr int shortest_reported_ms = 300;
/// The phrase step back looks this much further back than the back time.
constexpr int step_back_reach_ms = 1000;

/// The start of the phrase being heard at `position_ms`, or the one before
/// when it began less than `replay_within_ms` ago; the tip's start before
/// the first. Nothing when the waveform is not complete (or is empty: a
/// recording that could not be decoded).
std::optional<int> back(const Waveform& waveform, int position_ms);
/// The start of the next phrase; nothing when there is none (or the
/// waveform is not complete).
std::optional<int> forward(const Waveform& waveform, int position_ms);
/// Where a pause at `position_ms` steps back to with the phrase step back:
/// the latest phrase start within `back_seconds` plus `step_back_reach_ms`
/// before it; nothing when there is none there.
std::optional<int> step_back_target(const Waveform& waveform, int position_ms, int back_seconds);

} // namespace cuedeck::phrases

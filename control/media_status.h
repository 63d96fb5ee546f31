#pragma once

#include <optional>
#include <string>

#include "control/run_state.h"
#include "player/player_vocabulary.h"

namespace cuedeck {

/// What the desktop's media interface (MPRIS) says of a run: plain values
/// from what the display shows and what the run knows, so that the rules live
/// apart from the bus.
namespace media_status {

/// "Playing", "Paused" or "Stopped" (also while nothing is known).
std::string playback(const PlayerStatus& shown);
/// The current tip, none without a list.
std::optional<int> track(const PlayerStatus& shown);
std::optional<long long> length_us(const PlayerStatus& shown);
/// The player's file, when it is a full path.
std::optional<std::string> file(const PlayerStatus& shown);
double volume(const PlayerStatus& shown);

bool can_go_next(const PlayerStatus& shown);
bool can_go_previous(const PlayerStatus& shown);
bool can_play(const PlayerStatus& shown);
bool can_seek(const PlayerStatus& shown);

double rate(const RunState& state);
double minimum_rate(const RunState& state);
double maximum_rate(const RunState& state);
/// The speed in percent a rate asks for; none for a rate of 0 or less, the
/// interface's word for pause, or for one that is no number.
std::optional<int> speed_for_rate(double rate);

/// Where a seek by `offset_us` from `position_ms` lands, in milliseconds.
int seek_target_ms(int position_ms, long long offset_us);
/// Where a jump to `position_us` of `track` lands, in milliseconds; none
/// when it is meant for another tip or lies outside this one.
std::optional<int> position_target_ms(const PlayerStatus& shown, std::optional<int> track,
                                      long long position_us);

} // namespace media_status

} // namespace cuedeck

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "control/commands/commands.h"
#include "control/state/run_state.h"
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

/// The interface's loop status: "Track" while a stretch plays over and
/// over, else "None".
std::string loop_status(const RunState& state);
/// What a client setting the loop status asks for, as the loop key does:
/// "None" ends the loop, "Track" or "Playlist" is one press of the loop key
/// (until a stretch plays over and over); nothing for anything else, or
/// where the player cannot loop.
std::optional<Command> command_for_loop_status(std::string_view wanted, const RunState& state);

/// Where a seek by `offset_us` from `position_ms` lands, in milliseconds.
int seek_target_ms(int position_ms, long long offset_us);
/// Where a jump to `position_us` of `track` lands, in milliseconds; none
/// when it is meant for another tip or lies outside this one.
std::optional<int> position_target_ms(const PlayerStatus& shown, std::optional<int> track,
                                      long long position_us);

/// The values listeners follow, as one snapshot: what they were last told
/// and what holds now. The place within a tip is not among them (listeners
/// ask for it), so a playing tip alone changes nothing.
struct Followed
{
    std::string playback;
    std::optional<int> track;
    std::string title;
    std::optional<long long> length_us;
    std::optional<std::string> file;
    double volume = 0;
    double rate = 1;
    double minimum_rate = 1;
    double maximum_rate = 1;
    bool can_go_next = false;
    bool can_go_previous = false;
    bool can_play = false;
    bool can_seek = false;
    std::string loop_status = "None";

    friend bool operator==(const Followed&, const Followed&) = default;
};

Followed followed(const PlayerStatus& shown, const RunState& state);
/// The interface's names of the properties that differ between two
/// snapshots ("Metadata" for the track, title, length or file).
std::vector<std::string> changed_properties(const Followed& told, const Followed& now);

} // namespace media_status

} // namespace cuedeck

#include "control/session/media_status.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "control/state/speed.h"

namespace cuedeck::media_status {

std::string playback(const PlayerStatus& shown)
{
    if (shown.play_state == play_state::playing)
        return "Playing";
    if (shown.play_state && *shown.play_state != play_state::stopped)
        return "Paused";
    return "Stopped";
}

std::optional<int> track(const PlayerStatus& shown)
{
    if (shown.playlist_length <= 0)
        return std::nullopt;
    return shown.playlist_index;
}

std::optional<long long> length_us(const PlayerStatus& shown)
{
    if (shown.track_length_s <= 0)
        return std::nullopt;
    return static_cast<long long>(shown.track_length_s) * 1000000;
}

std::optional<std::string> file(const PlayerStatus& shown)
{
    if (!shown.file.starts_with('/'))
        return std::nullopt;
    return shown.file;
}

double volume(const PlayerStatus& shown)
{
    return shown.volume.value_or(100) / 100.0;
}

bool can_go_next(const PlayerStatus& shown)
{
    return shown.playlist_index + 1 < shown.playlist_length;
}

bool can_go_previous(const PlayerStatus& shown)
{
    return shown.playlist_index > 0;
}

bool can_play(const PlayerStatus& shown)
{
    return shown.playlist_length > 0;
}

bool can_seek(const PlayerStatus& shown)
{
    return can_play(shown) && shown.track_length_s > 0;
}

double rate(const RunState& state)
{
    return state.speed / 100.0;
}

double minimum_rate(const RunState& state)
{
    return state.speed_control ? speed::slowest / 100.0 : 1.0;
}

double maximum_rate(const RunState& state)
{
    return state.speed_control ? speed::fastest / 100.0 : 1.0;
}

std::optional<int> speed_for_rate(double rate)
{
    if (!std::isfinite(rate) || rate <= 0)
        return std::nullopt;
    return static_cast<int>(std::lround(std::min(rate, 10.0) * 100));
}

int seek_target_ms(int position_ms, long long offset_us)
{
    const long long target =
        static_cast<long long>(position_ms) + std::clamp<long long>(offset_us, -1e15, 1e15) / 1000;
    return static_cast<int>(std::clamp<long long>(target, 0, INT_MAX));
}

std::optional<int> position_target_ms(const PlayerStatus& shown, std::optional<int> requested,
                                      long long position_us)
{
    // Meant for another tip than the current one (it changed meanwhile), or
    // outside this one: nothing, as the interface asks.
    if (!requested || requested != track(shown) || position_us < 0 ||
        position_us > length_us(shown).value_or(0))
        return std::nullopt;
    return static_cast<int>(position_us / 1000);
}

std::string loop_status(const RunState& state)
{
    return state.loop && state.loop->end_ms ? "Track" : "None";
}

std::optional<Command> command_for_loop_status(std::string_view wanted, const RunState& state)
{
    if (!state.loop_control)
        return std::nullopt;
    if (wanted == "None")
        return state.loop ? std::optional(Command::EndLoop) : std::nullopt;
    if (wanted == "Track" || wanted == "Playlist")
        return loop_status(state) == "Track" ? std::nullopt : std::optional(Command::Loop);
    return std::nullopt;
}

Followed followed(const PlayerStatus& shown, const RunState& state)
{
    Followed now;
    now.playback = playback(shown);
    now.track = track(shown);
    if (now.track) {
        now.title = shown.caption;
        now.length_us = length_us(shown);
        now.file = file(shown);
    }
    now.volume = volume(shown);
    now.rate = rate(state);
    now.minimum_rate = minimum_rate(state);
    now.maximum_rate = maximum_rate(state);
    now.can_go_next = can_go_next(shown);
    now.can_go_previous = can_go_previous(shown);
    now.can_play = can_play(shown);
    now.can_seek = can_seek(shown);
    now.loop_status = loop_status(state);
    return now;
}

std::vector<std::string> changed_properties(const Followed& told, const Followed& now)
{
    std::vector<std::string> names;
    const auto note = [&](bool differs, std::initializer_list<const char*> changed) {
        if (differs)
            names.insert(names.end(), changed.begin(), changed.end());
    };
    note(told.playback != now.playback, {"PlaybackStatus"});
    note(told.track != now.track || told.title != now.title || told.length_us != now.length_us ||
             told.file != now.file,
         {"Metadata"});
    note(told.volume != now.volume, {"Volume"});
    note(told.rate != now.rate, {"Rate"});
    note(told.minimum_rate != now.minimum_rate, {"MinimumRate"});
    note(told.maximum_rate != now.maximum_rate, {"MaximumRate"});
    note(told.can_go_next != now.can_go_next, {"CanGoNext"});
    note(told.can_go_previous != now.can_go_previous, {"CanGoPrevious"});
    note(told.can_play != now.can_play, {"CanPlay", "CanPause"});
    note(told.can_seek != now.can_seek, {"CanSeek"});
    note(told.loop_status != now.loop_status, {"LoopStatus"});
    return names;
}

} // namespace cuedeck::media_status

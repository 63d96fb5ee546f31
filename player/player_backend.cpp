#include "player/player_backend.h"

namespace cuedeck {

std::optional<PlayerStatus> PlayerBackend::status()
{
    PlayerStatus status;
    status.caption = caption();
    const auto length = request(PlayerRequest::PlaylistLength, 0);
    const auto index = request(PlayerRequest::PlaylistIndex, 0);
    const auto track_length = request(PlayerRequest::Position, 1);
    const auto position = request(PlayerRequest::Position, 0);
    // Asked last, so that the four asked before keep the order every player
    // of this kind is asked in: the window follows the player often while
    // it plays, and only knows it plays from this.
    const auto state = request(PlayerRequest::PlayState, 0);
    if (!length || !index || !track_length || !position || !state)
        return std::nullopt;
    status.playlist_length = *length;
    status.playlist_index = *index;
    status.track_length_s = *track_length;
    status.position_ms = *position;
    status.play_state = *state;
    return status;
}

} // namespace cuedeck

#include "player/player_backend.h"

namespace cuedeck {

PlayerStatus PlayerBackend::status()
{
    PlayerStatus status;
    status.caption = caption();
    status.playlist_length = request(PlayerRequest::PlaylistLength, 0);
    status.playlist_index = request(PlayerRequest::PlaylistIndex, 0);
    status.track_length_s = request(PlayerRequest::Position, 1);
    status.position_ms = request(PlayerRequest::Position, 0);
    return status;
}

} // namespace cuedeck

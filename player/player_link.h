#pragma once

#include <string>

#include "player/player_backend.h"

namespace cuedeck {

/// The one place that knows the player: its commands, requests and program.
///
/// The player is looked up only at start-up. Until it is found, or once it has
/// gone away, every command does nothing and every request reads 0; a player
/// started later is not found. Starting the player and handing it a file do
/// not depend on a found player and always run.
class PlayerLink
{
public:
    explicit PlayerLink(PlayerBackend& backend) : m_backend(backend) {}

    /// Look the player up; remembers the answer.
    bool find();
    bool start() { return m_backend.start(); }
    void abandon_start() { m_backend.abandon_start(); }
    bool connected();

    void send(PlayerCommand command);
    int request(PlayerRequest request, int wparam = 0);

    void clear_playlist() { request(PlayerRequest::ClearPlaylist); }
    int play_state() { return request(PlayerRequest::PlayState); }
    int position_ms() { return request(PlayerRequest::Position, 0); }
    int track_length_s() { return request(PlayerRequest::Position, 1); }
    void jump_to(int position_ms) { request(PlayerRequest::JumpTo, position_ms); }
    void set_playlist_index(int index) { request(PlayerRequest::SetPlaylistIndex, index); }
    int playlist_length() { return request(PlayerRequest::PlaylistLength); }
    int playlist_index() { return request(PlayerRequest::PlaylistIndex); }

    /// Caption and the four status requests; all empty or 0 without a player.
    PlayerStatus status();
    void hand_over(const std::string& path);
    /// Close the player for good: nothing is handed over or started after it.
    void close();

    std::string name() const { return m_backend.name(); }
    std::string location() const { return m_backend.location(); }

private:
    PlayerBackend& m_backend;
    bool m_found = false;
    bool m_closed = false;
};

} // namespace cuedeck

#include "player/player_vocabulary.h"

namespace cuedeck {

const char* command_name(PlayerCommand command)
{
    switch (command) {
    case PlayerCommand::PreviousTrack:
        return "PreviousTrack";
    case PlayerCommand::Play:
        return "Play";
    case PlayerCommand::Pause:
        return "Pause";
    case PlayerCommand::Stop:
        return "Stop";
    case PlayerCommand::NextTrack:
        return "NextTrack";
    case PlayerCommand::VolumeUp:
        return "VolumeUp";
    case PlayerCommand::VolumeDown:
        return "VolumeDown";
    case PlayerCommand::Forward5s:
        return "Forward5s";
    case PlayerCommand::Back5s:
        return "Back5s";
    }
    return "UnknownCommand";
}

std::string describe(PlayerRequest request, int wparam)
{
    switch (request) {
    case PlayerRequest::ClearPlaylist:
        return "ClearPlaylist";
    case PlayerRequest::PlayState:
        return "PlayState";
    case PlayerRequest::Position:
        return wparam == 1 ? "TrackLength" : "Position";
    case PlayerRequest::JumpTo:
        return "JumpTo " + std::to_string(wparam);
    case PlayerRequest::SetPlaylistIndex:
        return "SetPlaylistIndex " + std::to_string(wparam);
    case PlayerRequest::PlaylistLength:
        return "PlaylistLength";
    case PlayerRequest::PlaylistIndex:
        return "PlaylistIndex";
    }
    return "UnknownRequest " + std::to_string(static_cast<int>(request));
}

} // namespace cuedeck

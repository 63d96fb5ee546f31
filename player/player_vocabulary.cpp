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
    case PlayerCommand::Forward5Seconds:
        return "Forward5Seconds";
    case PlayerCommand::Back5Seconds:
        return "Back5Seconds";
    }
    return "UnknownCommand";
}

std::string describe(PlayerRequest request, int argument)
{
    switch (request) {
    case PlayerRequest::ClearPlaylist:
        return "ClearPlaylist";
    case PlayerRequest::PlayState:
        return "PlayState";
    case PlayerRequest::Position:
        return argument == 1 ? "TrackLength" : "Position";
    case PlayerRequest::JumpTo:
        return "JumpTo " + std::to_string(argument);
    case PlayerRequest::SetPlaylistIndex:
        return "SetPlaylistIndex " + std::to_string(argument);
    case PlayerRequest::PlaylistLength:
        return "PlaylistLength";
    case PlayerRequest::PlaylistIndex:
        return "PlaylistIndex";
    }
    return "UnknownRequest " + std::to_string(static_cast<int>(request));
}

} // namespace cuedeck

namespace cuedeck {

bool aid_on(const ClarityAids& aids, Aid aid)
{
    switch (aid) {
    case Aid::Channel:
        return aids.channel != Channel::Both;
    case Aid::VoiceBand:
        return aids.voice_band;
    case Aid::ReduceNoise:
        return aids.reduce_noise;
    case Aid::EvenLoudness:
        return aids.even_loudness;
    case Aid::Louder:
        return aids.louder;
    }
    return false;
}

ClarityAids without(ClarityAids aids, Aid aid)
{
    switch (aid) {
    case Aid::Channel:
        aids.channel = Channel::Both;
        break;
    case Aid::VoiceBand:
        aids.voice_band = false;
        break;
    case Aid::ReduceNoise:
        aids.reduce_noise = false;
        break;
    case Aid::EvenLoudness:
        aids.even_loudness = false;
        break;
    case Aid::Louder:
        aids.louder = false;
        break;
    }
    return aids;
}

} // namespace cuedeck

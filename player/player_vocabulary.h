#pragma once

#include <optional>
#include <string>

/// The player's vocabulary: the command and request numbers of the classic
/// Winamp window-message interface. Every backend speaks these numbers, so the
/// controller's sequences are the same whatever player is driven.
namespace cuedeck {

enum class PlayerCommand : int {
    PreviousTrack = 40044,
    Play = 40045,
    Pause = 40046, ///< pauses a playing player, resumes a paused one
    Stop = 40047,
    NextTrack = 40048,
    VolumeUp = 40058,
    VolumeDown = 40059,
    Forward5Seconds = 40060,
    Back5Seconds = 40061,
};

enum class PlayerRequest : int {
    ClearPlaylist = 101,    ///< wParam 0; result ignored
    PlayState = 104,        ///< 0 stopped, 1 playing, anything else paused
    Position = 105,         ///< wParam 0: position in ms; wParam 1: track length in s
    JumpTo = 106,           ///< wParam: position in ms
    SetPlaylistIndex = 121, ///< wParam: 0-based entry to make current
    PlaylistLength = 124,
    PlaylistIndex = 125, ///< 0-based index of the current entry
};

/// The command as the tests' records and the stand-in player's log name it.
const char* command_name(PlayerCommand command);
/// The request as those records name it, with its argument where it has one:
/// "Position", "TrackLength", "JumpTo 7000", "SetPlaylistIndex 2".
std::string describe(PlayerRequest request, int argument);

/// The play states request 104 answers.
namespace play_state {
constexpr int stopped = 0;
constexpr int playing = 1;
constexpr int paused = 3;
} // namespace play_state

/// What the player found wrong with the current entry's recording.
enum class EntryFault {
    None,
    Unplayable, ///< it cannot be played at all: the player stays stopped on it
    CutShort,   ///< it ends before its header says; the track length is where
};

/// What one refresh reads, in the order it is asked: the caption, then
/// requests 124, 125, 105/1, 105/0 and 104.
struct PlayerStatus
{
    std::string caption;
    int playlist_length = 0;
    int playlist_index = 0;
    int track_length_s = 0;
    int position_ms = 0;

    std::optional<int> play_state; ///< as request 104 answers

    // What a backend that reads them with the rest also reports (mpv).
    std::optional<int> volume; ///< percent
    std::string file;          ///< the current entry's path; empty when unknown
    /// The player plays into no sound device (mpv's null output, or none
    /// could be opened): nothing can be heard.
    bool no_sound_device = false;
    EntryFault fault = EntryFault::None;

    friend bool operator==(const PlayerStatus&, const PlayerStatus&) = default;
};

/// Which of a recording's channels is heard; whichever it is, in both ears.
enum class Channel {
    Both = 0,  ///< as recorded
    Left = 1,  ///< the left channel only
    Right = 2, ///< the right channel only
    Mixed = 3, ///< both mixed to the middle
};

/// What the player does to make hard recordings easier to hear, where it
/// can (see PlayerBackend::has_clarity_aids).
struct ClarityAids
{
    bool reduce_noise = false;  ///< hiss and steady background noise lowered
    bool voice_band = false;    ///< rumble, hum and hiss outside the speech band cut
    bool even_loudness = false; ///< quiet and loud voices brought near one level
    bool louder = false;        ///< the volume goes on above 100 %, limited so nothing clips
    Channel channel = Channel::Both;

    friend bool operator==(const ClarityAids&, const ClarityAids&) = default;
};

/// One aid, switched on and off alone (the channel counts as on when it is
/// not both), in the order the sound passes through them.
enum class Aid { Channel, VoiceBand, ReduceNoise, EvenLoudness, Louder };
inline constexpr Aid every_aid[] = {Aid::Channel, Aid::VoiceBand, Aid::ReduceNoise,
                                    Aid::EvenLoudness, Aid::Louder};
bool aid_on(const ClarityAids& aids, Aid aid);
/// The aids with this one off (the channel back to both).
ClarityAids without(ClarityAids aids, Aid aid);

/// A stretch of the current track played over and over; start before end.
struct LoopStretch
{
    int start_ms = 0;
    int end_ms = 0;

    friend bool operator==(const LoopStretch&, const LoopStretch&) = default;
};

} // namespace cuedeck

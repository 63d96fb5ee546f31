#pragma once

#include <optional>
#include <string>

#include "control/state/loop.h"
#include "control/state/position_history.h"
#include "files/settings_format.h"
#include "player/player_vocabulary.h"

namespace cuedeck {

/// The place as last read from or written to the tape group file; the save
/// question compares the current place with it.
struct SavedState
{
    std::string playlist_path; ///< where the file's playlist leads
    int tip = 0;
    int seconds = 0;
    std::string playlist_as_written; ///< line 1 as the file has it, maybe relative to its folder
    std::optional<std::string> text; ///< the file's bytes; none when it was not read or written
};

/// The values the options dialog edits: the settings, each described once
/// by its row (files/settings_format.h).
using Options = Settings;

/// Everything a run knows. Positions and the zero mark are in milliseconds;
/// tip length, tip seconds left and history entries in seconds. Tips are
/// 0-based playlist indexes.
struct RunState
{
    std::string exe_directory;   ///< the program's directory, separator kept
    std::string tape_group_path; ///< the open .grp file; empty when none
    std::string playlist_path;   ///< empty when none, or a single music file is open
    /// Entries of the playlist were found beside it, not where it names
    /// them; saving the group names them there.
    bool playlist_moved = false;
    /// What the user set; the alarm sound as a path to read.
    Settings settings = default_settings().settings;
    /// The alarm sound as the settings file had it: a name without a full
    /// path is read beside that file (as the starting settings that come
    /// with the program name the sound beside them), and written back as it
    /// was where it still leads to the same file.
    std::string sound_file_as_written;
    bool tip_timer_running = false;
    int tip_seconds_left = 0;
    int current_tip = 0;
    int tip_length = 0; ///< seconds
    int position = 0;   ///< milliseconds
    int zero_mark = 0;  ///< milliseconds; the counter shows position - zero mark
    int target_tip = 0; ///< where go_to_target() moves the player
    int target_seconds = 0;
    /// The exact place of the move, when it lies inside target_seconds'
    /// second (a place gone to by its text); forgotten once reached.
    std::optional<int> target_place_ms;
    /// The zero mark after the move to the target, when it is not at the
    /// target itself (a place resumed from the journal); then forgotten.
    std::optional<int> target_zero_mark;
    int speed = speed::normal;  ///< percent of normal playback speed
    bool speed_control = false; ///< the player can change its speed
    ClarityAids aids;           ///< what the tracks are heard through
    bool aids_control = false;  ///< the player has the clarity aids
    std::optional<Loop> loop;   ///< a stretch played over and over, while one is set
    bool loop_control = false;  ///< the player loops a stretch
    bool drafted = false;       ///< the current tip has a draft
    SavedState saved;
    PositionHistory history;
};

} // namespace cuedeck

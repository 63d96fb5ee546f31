#pragma once

#include <functional>
#include <string>
#include <vector>

#include "control/run/controller_view.h"

namespace cuedeck {

class System;
struct RunState;

/// How a tape group came to be opened, which decides how its failures show.
enum class GroupRequest {
    /// The one the settings name, opened at start-up: one that cannot be read
    /// is forgotten without a word (it may have been deleted on purpose).
    Remembered,
    /// Named by the user: on the command line, in the chooser, dropped or
    /// handed over. One that cannot be opened is named with its reason, and
    /// the group open before stays open.
    Named,
};

/// What the File menu's flow works on: the run, the window and the disk,
/// and the two things it asks of the controller.
struct GroupRun
{
    RunState& state;
    RunQuestions& ask;     ///< the File menu's questions, messages and choosers
    RunPresentation& show; ///< the window's title
    System& system;
    /// Hand the (new) playlist to the player, move it to the target place
    /// and start the history there.
    std::function<void()> move_to_target;
    /// Whether the run has ended (a signal can end it while a question is open).
    std::function<bool()> ended;
};

/// The File menu's flow over the open .grp file (see files/tape_group_format.h):
/// reading it moves the player to its place, writing stores the current place;
/// it also owns the save question and the window title that names the file.
class TapeGroupFile
{
public:
    explicit TapeGroupFile(GroupRun run) : m_run(std::move(run)) {}

    /// Open the group at `path` and move the player to its place; false when
    /// it was not opened. A group whose playlist cannot be played is not
    /// opened: the user may locate the playlist, else nothing changes.
    /// `ask_to_save_first`: the save question for the open group comes once
    /// the new one is known to open.
    bool open(const std::string& path, GroupRequest request, bool ask_to_save_first);
    /// Open the group at `path` with the place a journal kept instead of the
    /// file's: `playlist`, tip, the player at `position_ms` (to the second),
    /// the zero mark at `zero_mark_ms`. The file is not written: its place
    /// stays the saved one. False, and nothing changed, when the group or
    /// the playlist cannot be read.
    bool resume(const std::string& path, const std::string& playlist, int tip, int position_ms,
                int zero_mark_ms);
    /// Open the file at the tape group path again, as the settings name it.
    void read();
    /// Store the current place at the tape group path. False when it was not
    /// stored (with a message, unless the user chose to keep a file another
    /// program changed); the old file is then left as it was.
    bool write();
    /// Ask to save when the place has changed since the last read or write.
    void save_prompt();
    /// The same, with Cancel as a way back; false when the user cancelled
    /// or the place could not be saved (then the user was told why).
    bool save_prompt_or_cancel();
    void set_title();
    /// Whether the place has changed since the last read or write.
    bool unsaved() const;

    /// A new group of `recordings` (files, or one folder whose recordings are
    /// taken): a playlist of them in natural order and a group at its start,
    /// written where the user chooses and then opened. False when nothing was
    /// made (cancelled, or refused with a message naming the file at fault).
    bool make(std::vector<std::string> recordings);

    // File menu commands.
    void new_command(RecordingChoice choice);
    void open_command();
    void save_command();
    void save_as_command();

private:
    std::string save_question() const;

    GroupRun m_run;
};

} // namespace cuedeck

#include <algorithm>

#include "base/text_lines.h"
#include "control/run/controller.h"
#include "control/run/tape_group_file.h"
#include "files/command_line.h"
#include "files/draft_format.h"
#include "files/playlist_format.h"
#include "system/system.h"

namespace cuedeck {

TapeGroupFile Controller::tape_group_file()
{
    return TapeGroupFile({m_state, *m_view, *m_view, m_system,
                          [this] {
                              load_playlist();
                              go_to_target();
                              m_state.history.clear();
                              push_place();
                          },
                          [this] { return m_shut_down; }});
}

void Controller::open_tape_group()
{
    tape_group_file().open_command();
}

void Controller::save_tape_group()
{
    tape_group_file().save_command();
}

void Controller::save_tape_group_as()
{
    tape_group_file().save_as_command();
}

void Controller::open_tape_group(const std::string& path)
{
    tape_group_file().open(path, GroupRequest::Named, true);
}

void Controller::new_tape_group()
{
    tape_group_file().new_command(RecordingChoice::Files);
}

void Controller::new_tape_group_from_folder()
{
    tape_group_file().new_command(RecordingChoice::Folder);
}

void Controller::drop(const std::vector<std::string>& files)
{
    if (files.size() > 1) {
        // Several recordings make a new tape group; any other drop of
        // several is ignored whole.
        if (std::all_of(files.begin(), files.end(),
                        [](const std::string& file) { return is_recording_name(file); }))
            tape_group_file().make(files);
        return;
    }
    if (files.empty())
        return;
    const std::string& path = files.front();
    const std::string_view extension = file_extension(path, m_system.path_separator());
    if (is_playlist_name(path))
        open_playlist(path);
    else if (equal_ignoring_case(extension, ".grp"))
        open_tape_group(path);
    else if (is_recording_name(path))
        open_music_file(path);
    else if (is_draft_name(path))
        open_draft(path); // for the tip heard
    else if (m_system.local_file_problem(path) == FileProblem::Folder)
        tape_group_file().make(files); // of the folder's recordings
}

} // namespace cuedeck

#include <algorithm>

#include "base/text_lines.h"
#include "control/controller.h"
#include "control/tape_group_file.h"
#include "files/command_line.h"
#include "files/playlist_format.h"
#include "system/system.h"

namespace cuedeck {

TapeGroupFile Controller::tape_group_file()
{
    return TapeGroupFile({m_state, m_view, m_system,
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
    // Several recordings, or a folder, make a new tape group; any other drop
    // of several is ignored whole. A folder named like a file we open is
    // refused as that file.
    const auto extension_of = [this](const std::string& path) {
        return file_extension(path, m_system.path_separator());
    };
    const auto opened_as_file = [&](const std::string& path) {
        return is_recording_name(path) || equal_ignoring_case(extension_of(path), ".m3u") ||
               equal_ignoring_case(extension_of(path), ".grp");
    };
    const bool folder = files.size() == 1 && !opened_as_file(files.front()) &&
                        m_system.local_file_problem(files.front()) == FileProblem::Folder;
    if (folder || (files.size() > 1 && std::all_of(files.begin(), files.end(), [](const auto& f) {
                       return is_recording_name(f);
                   }))) {
        tape_group_file().make(files);
        return;
    }
    if (files.size() != 1)
        return;
    const std::string& path = files.front();
    const std::string_view extension = extension_of(path);
    if (equal_ignoring_case(extension, ".m3u"))
        open_playlist(path);
    else if (equal_ignoring_case(extension, ".grp"))
        open_tape_group(path);
    else if (is_recording_name(path))
        open_music_file(path);
}

} // namespace cuedeck

#include "base/text_lines.h"
#include "control/controller.h"
#include "control/tape_group_file.h"
#include "files/command_line.h"
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

void Controller::drop(const std::vector<std::string>& files)
{
    // Only one file at a time: a drop of several is ignored whole.
    if (files.size() != 1)
        return;
    const std::string& path = files.front();
    const std::string_view extension = file_extension(path, m_system.path_separator());
    if (equal_ignoring_case(extension, ".m3u"))
        open_playlist(path);
    else if (equal_ignoring_case(extension, ".grp"))
        open_tape_group(path);
    else if (equal_ignoring_case(extension, ".mp3") || equal_ignoring_case(extension, ".wav")) {
        open_music_file(path);
    }
}

} // namespace cuedeck

#include "files/tape_group_file.h"

#include <cstdio>

#include "control/controller.h"
#include "control/saturating.h"
#include "control/system.h"
#include "files/text_lines.h"

namespace cuedeck {

namespace {

constexpr const char* tape_group_filter = "Tape Group Files (*.grp)|*.grp||";
constexpr const char* tape_group_extension = "grp";

/// "m:s" as "%d:%d" scans it. Only minutes: that many whole minutes. No
/// number at all: the start of the tip.
int scan_minutes_seconds(const std::string& line)
{
    std::size_t end = 0;
    const auto minutes = scan_int(line, &end);
    if (!minutes)
        return 0;
    int seconds = 0;
    if (end < line.size() && line[end] == ':')
        seconds = scan_int(std::string_view(line).substr(end + 1)).value_or(0);
    return saturating_add(saturating_mul(*minutes, 60), seconds);
}

} // namespace

std::string TapeGroupFile::format(const std::string& playlist_path, int tip, int seconds)
{
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%d\n%d:%02d\n", saturating_add(tip, 1), seconds / 60,
                  seconds % 60);
    return playlist_path + "\n" + numbers;
}

void TapeGroupFile::read()
{
    RunState& state = m_controller.state();
    if (const auto text = m_controller.system().read_file(state.tape_group_path)) {
        // Missing lines read as empty ones.
        auto lines = split_lines(*text);
        lines.resize(3);
        state.playlist_path = lines[0];
        if (const auto tip = scan_int(lines[1]))
            state.target_tip = *tip;
        state.target_tip = saturating_sub(state.target_tip, 1);
        if (state.target_tip < 0)
            state.target_tip = 0;
        state.target_seconds = scan_minutes_seconds(lines[2]);

        if (m_controller.load_playlist()) {
            m_controller.go_to_target();
        } else {
            // The player stays as it was; the run keeps the file's place, so
            // nothing of it is lost at the next save.
            state.current_tip = state.target_tip;
            state.zero_mark = saturating_mul(state.target_seconds, 1000);
        }
        state.history.clear();
        m_controller.push_place();
    } else {
        state.tape_group_path.clear();
    }
    set_title();
    state.saved = {state.playlist_path, state.target_tip, state.target_seconds};
}

bool TapeGroupFile::write()
{
    RunState& state = m_controller.state();
    state.target_tip = state.current_tip;
    state.target_seconds = state.zero_mark / 1000;
    // A line break in a path would split it over two lines and read back wrong.
    const bool stored = !has_line_break(state.playlist_path) &&
                        !has_line_break(state.tape_group_path) &&
                        m_controller.system().replace_file(
                            state.tape_group_path,
                            format(state.playlist_path, state.target_tip, state.target_seconds));
    if (!stored) {
        m_controller.view().show_message("Cannot save " + state.tape_group_path);
        return false;
    }
    state.saved = {state.playlist_path, state.target_tip, state.target_seconds};
    return true;
}

void TapeGroupFile::save_prompt()
{
    const RunState& state = m_controller.state();
    if (state.tape_group_path.empty())
        return;
    const bool changed = state.saved.playlist_path != state.playlist_path ||
                         state.saved.tip != state.current_tip ||
                         state.saved.seconds != state.zero_mark / 1000;
    if (changed &&
        m_controller.view().ask_yes_no("Save changes to " + state.tape_group_path + "?", "Cuedeck"))
        write();
}

void TapeGroupFile::set_title()
{
    m_controller.view().set_title("Cuedeck - " + m_controller.state().tape_group_path);
}

void TapeGroupFile::open_command()
{
    // The question comes first, even when the chooser is then cancelled.
    save_prompt();
    if (const auto path = m_controller.view().choose_file(FileDialogMode::Open, tape_group_filter,
                                                          tape_group_extension)) {
        m_controller.state().tape_group_path = *path;
        read();
    }
}

void TapeGroupFile::save_command()
{
    if (m_controller.state().tape_group_path.empty())
        save_as_command();
    else
        write();
}

void TapeGroupFile::save_as_command()
{
    if (const auto path = m_controller.view().choose_file(FileDialogMode::Save, tape_group_filter,
                                                          tape_group_extension)) {
        m_controller.state().tape_group_path = *path;
        set_title();
        write();
    }
}

} // namespace cuedeck

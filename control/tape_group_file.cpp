#include "control/tape_group_file.h"

#include <algorithm>

#include "base/saturating.h"
#include "base/text_lines.h"
#include "control/controller.h"
#include "files/tape_group_format.h"
#include "system/system.h"

namespace cuedeck {

namespace {

constexpr const char* tape_group_filter = "Tape Group Files (*.grp)|*.grp||";
constexpr const char* tape_group_extension = "grp";

} // namespace

void TapeGroupFile::read()
{
    RunState& state = m_controller.m_state;
    if (const auto text = m_controller.m_system.read_file(state.tape_group_path)) {
        const TapeGroupPlace place = parse_tape_group(*text);
        state.playlist_path = place.playlist_path;
        // A line 2 without a number keeps the target tip.
        state.target_tip =
            std::max(saturating_sub(place.tip_line.value_or(state.target_tip), 1), 0);
        state.target_seconds = place.seconds;

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
    RunState& state = m_controller.m_state;
    state.target_tip = state.current_tip;
    state.target_seconds = state.zero_mark / 1000;
    // A line break in a path would split it over two lines and read back wrong.
    const bool stored =
        !has_line_break(state.playlist_path) && !has_line_break(state.tape_group_path) &&
        m_controller.m_system.replace_file(
            state.tape_group_path,
            format_tape_group(state.playlist_path, state.target_tip, state.target_seconds));
    if (!stored) {
        m_controller.m_view.show_message("Cannot save " + state.tape_group_path);
        return false;
    }
    state.saved = {state.playlist_path, state.target_tip, state.target_seconds};
    return true;
}

void TapeGroupFile::save_prompt()
{
    const RunState& state = m_controller.m_state;
    if (state.tape_group_path.empty())
        return;
    const bool changed = state.saved.playlist_path != state.playlist_path ||
                         state.saved.tip != state.current_tip ||
                         state.saved.seconds != state.zero_mark / 1000;
    if (changed &&
        m_controller.m_view.ask_yes_no("Save changes to " + state.tape_group_path + "?", "Cuedeck"))
        write();
}

void TapeGroupFile::set_title()
{
    m_controller.m_view.set_title("Cuedeck - " + m_controller.m_state.tape_group_path);
}

void TapeGroupFile::open_command()
{
    // The question comes first, even when the chooser is then cancelled.
    save_prompt();
    if (const auto path = m_controller.m_view.choose_file(FileDialogMode::Open, tape_group_filter,
                                                          tape_group_extension)) {
        m_controller.m_state.tape_group_path = *path;
        read();
    }
}

void TapeGroupFile::save_command()
{
    if (m_controller.m_state.tape_group_path.empty())
        save_as_command();
    else
        write();
}

void TapeGroupFile::save_as_command()
{
    if (const auto path = m_controller.m_view.choose_file(FileDialogMode::Save, tape_group_filter,
                                                          tape_group_extension)) {
        m_controller.m_state.tape_group_path = *path;
        set_title();
        write();
    }
}

} // namespace cuedeck

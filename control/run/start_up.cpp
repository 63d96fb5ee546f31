#include "base/program_texts.h"
#include "base/saturating.h"
#include "base/text_lines.h"
#include "base/translation.h"
#include "control/run/controller.h"
#include "control/run/playable.h"
#include "control/run/tape_group_file.h"
#include "control/storage/settings_file.h"
#include "files/command_line.h"
#include "system/system.h"

namespace cuedeck {

void Controller::start_up()
{
    find_exe_directory();
    connect_player();
    m_view->start_tick();
    m_state.history.clear();
    SettingsFile(m_system).read(m_state);
    show_sound_state();
    set_speed(m_state.speed);
    if (m_state.aids_control) {
        // Built once a track plays; one the player refuses is named at a tick.
        m_player.set_aids(m_state.aids);
        show_aids_state();
    }
    m_state.tip_timer_running = false;
    m_state.tip_seconds_left = saturating_mul(m_state.settings.tip_time, 60);
    // A tape group file on the command line beats the one the settings name,
    // which opens when the named one cannot.
    TapeGroupFile file = tape_group_file();
    const std::string command_line = m_system.command_line();
    // A place an earlier run left unsaved beats both, when the user goes back to it.
    bool opened = resume_left_place();
    if (opened || m_shut_down) {
        // resumed, or ended during the question
    } else if (const auto path = tape_group_from_command_line(command_line, m_system)) {
        opened = file.open(*path, GroupRequest::Named, false);
    } else if (const std::string_view argument = command_line_argument(command_line);
               equal_ignoring_case(file_extension(argument, m_system.path_separator()), ".grp")) {
        m_view->show_message(
            translated(UI_TEXT("Cannot open %1: %2"), {argument, describe(FileProblem::Missing)}));
    }
    if (!opened && !m_shut_down && !m_state.tape_group_path.empty())
        file.read();
    m_journal.start_keeping();
}

bool Controller::resume_left_place()
{
    const auto left = m_journal.take();
    if (!left)
        return false;
    if (!m_view->ask_yes_no(PlaceJournal::question(*left), TEXT_PROGRAM_NAME) || m_shut_down) {
        if (!m_shut_down)
            m_journal.remove();
        return false;
    }
    // The journal stays until this run writes its own: a crash now loses nothing.
    return tape_group_file().resume(left->group, left->playlist, left->tip, left->position_ms,
                                    left->zero_mark_ms);
}

void Controller::shut_down(WindowEnding ending, Attendance attendance)
{
    m_shut_down = true;
    m_view->stop_tick();
    if (m_player_looks_left > 0) { // started, not heard from yet
        m_player_looks_left = 0;
        m_player.abandon_start();
    }
    m_player.close();
    const bool present = attendance == Attendance::UserPresent;
    if (present && !m_state.tape_group_path.empty())
        tape_group_file().save_prompt();
    // Nobody answered the save question: a place not saved is left in the
    // journal for the next start to offer.
    if (!present && tape_group_file().unsaved())
        m_journal.leave(m_state);
    else
        m_journal.remove();
    SettingsFile settings(m_system);
    if (const Written written = settings.write(m_state); !written && present)
        m_view->show_message(
            translated(UI_TEXT("Cannot save %1: %2"), {settings.path(m_state), written.failure}));
    m_view->end_window(ending);
}

} // namespace cuedeck

#include <algorithm>

#include "base/saturating.h"
#include "base/text_lines.h"
#include "base/translation.h"
#include "control/run/controller.h"
#include "control/run/phrases.h"
#include "control/run/playable.h"
#include "control/state/loop.h"
#include "system/system.h"

namespace cuedeck {

namespace {

/// The copy of a playlist whose entries moved, in the state folder, that
/// the player reads (UTF-8, which an .m3u8 tells every player).
constexpr const char* played_copy_file = "played.m3u8";
} // namespace

void Controller::play_pause()
{
    reach_player();
    // Without an answer nothing is known of the player: nothing is sent.
    if (const auto state = m_player.play_state()) {
        play_pause_from(*state);
        return;
    }
    refresh();
    m_view->return_focus();
}

void Controller::play_pause_from(int state)
{
    if (state != play_state::stopped) {
        m_player.send(PlayerCommand::Pause);
        if (state == play_state::playing)
            step_back_after_pause();
        else
            m_state.tip_timer_running = true;
    } else {
        m_player.send(PlayerCommand::Play);
        m_state.tip_timer_running = true;
    }
    refresh();
    m_view->return_focus();
}

void Controller::step_back_after_pause()
{
    // Now paused: step back so the listener hears the last words again.
    if (m_state.settings.back_time == 0)
        return;
    if (const auto position = m_player.position_ms()) {
        std::optional<int> phrase_start;
        if (m_state.settings.phrase_step_back != 0) {
            if (const auto shown = waveform_now())
                phrase_start =
                    phrases::step_back_target(*shown, *position, m_state.settings.back_time);
        }
        const int target =
            phrase_start
                ? loop::kept_in_loop(*phrase_start, *position, m_state.loop)
                : loop::step_back_target(*position, m_state.settings.back_time, m_state.loop);
        m_state.position = target;
        m_player.jump_to(target);
    }
}

bool Controller::zero_step()
{
    const auto state = m_player.play_state();
    if (!state || *state == play_state::stopped)
        return false;
    const auto position = m_player.position_ms();
    if (!position || std::max(*position, 0) == m_state.zero_mark)
        return false;
    m_state.zero_mark = std::max(*position, 0);
    refresh();
    push_place();
    return true;
}

void Controller::zero()
{
    reach_player();
    zero_step();
    m_view->return_focus();
}

void Controller::rewind()
{
    reach_player();
    m_player.jump_to(m_state.zero_mark);
    refresh();
    m_view->return_focus();
}

void Controller::back_5_seconds()
{
    reach_player();
    m_player.send(PlayerCommand::Back5Seconds);
    refresh();
    m_view->return_focus();
}

void Controller::forward_5_seconds()
{
    reach_player();
    m_player.send(PlayerCommand::Forward5Seconds);
    refresh();
    m_view->return_focus();
}

void Controller::change_tip(PlayerCommand command)
{
    end_loop();
    // Zeroing first records where the tip was left, when the mark moved.
    zero();
    m_player.send(command);
    // Only a player that answers is known to be on the new tip.
    const auto status = m_player.status();
    if (status)
        m_state.zero_mark = 0;
    show_status(status);
    m_view->return_focus();
    if (status)
        push_place();
}

void Controller::last_tip()
{
    change_tip(PlayerCommand::PreviousTrack);
}

void Controller::next_tip()
{
    change_tip(PlayerCommand::NextTrack);
}

void Controller::volume_up()
{
    reach_player();
    m_player.send(PlayerCommand::VolumeUp);
}

void Controller::volume_down()
{
    reach_player();
    m_player.send(PlayerCommand::VolumeDown);
}

void Controller::tip_timer()
{
    if (m_state.tip_timer_running && m_state.tip_seconds_left != 0) {
        m_state.tip_timer_running = false; // freeze the count where it is
    } else {
        // Running is left alone: the count starts with the next play or resume.
        m_state.tip_seconds_left = saturating_mul(m_state.settings.tip_time, 60);
        m_view->show_alarm_picture(false);
    }
    refresh();
    m_view->return_focus();
}

void Controller::undo()
{
    if (m_state.history.count() == 0)
        return;
    go_to_history_entry([this] { return m_state.history.step_back(); });
}

void Controller::redo()
{
    if (m_state.history.count() >= m_state.history.top())
        return;
    go_to_history_entry([this] { return m_state.history.step_forward(); });
}

void Controller::go_to_history_entry(const std::function<std::optional<HistoryEntry>()>& step)
{
    // The history moves only when the player answers, so that a press
    // against a hung player is not lost.
    reach_player();
    const auto length = m_player.playlist_length();
    if (!length)
        return;
    if (const auto entry = step()) {
        m_state.target_tip = entry->tip;
        m_state.target_seconds = entry->seconds;
        m_state.target_place_ms.reset();
        m_state.target_zero_mark.reset();
        move_player_to_target(*length);
    }
}

void Controller::go_to_target()
{
    // A list still waiting to be handed over comes first.
    const auto length = m_pending_hand_over ? std::optional<int>() : m_player.playlist_length();
    if (length) {
        move_player_to_target(*length);
        return;
    }
    // No answer: this is where the run is meant to be; the player is sent
    // there once it answers.
    m_go_to_pending = true;
    m_state.target_tip = std::max(m_state.target_tip, 0);
    m_state.current_tip = m_state.target_tip;
    m_state.zero_mark = m_state.target_zero_mark.value_or(
        m_state.target_place_ms.value_or(saturating_mul(m_state.target_seconds, 1000)));
}

void Controller::go_to(int tip, int seconds, std::optional<int> place_ms)
{
    m_state.target_tip = tip;
    m_state.target_seconds = seconds;
    m_state.target_place_ms = place_ms;
    m_state.target_zero_mark.reset();
    go_to_target();
}

void Controller::move_player_to_target(int length)
{
    m_go_to_pending = false;
    end_loop();
    if (m_state.target_tip < 0)
        m_state.target_tip = 0;
    // The second clamp wins: an empty list gives -1.
    if (m_state.target_tip > saturating_sub(length, 1))
        m_state.target_tip = saturating_sub(length, 1);
    m_player.send(PlayerCommand::Stop);
    m_player.set_playlist_index(m_state.target_tip);
    m_player.send(PlayerCommand::Play);
    m_player.send(PlayerCommand::Pause);
    m_state.current_tip = m_state.target_tip;
    m_state.zero_mark =
        m_state.target_place_ms.value_or(saturating_mul(m_state.target_seconds, 1000));
    m_state.target_place_ms.reset();
    rewind();
    if (m_state.target_zero_mark) {
        m_state.zero_mark = *m_state.target_zero_mark;
        m_state.target_zero_mark.reset();
        refresh();
    }
}

bool Controller::hand_over(const std::string& path)
{
    reach_player();
    end_loop();
    if (m_player_looks_left == 0 && m_player.hand_over(path)) {
        m_pending_hand_over.reset();
        return true;
    }
    m_pending_hand_over = path; // handed over again once the player answers
    return false;
}

void Controller::retry_pending()
{
    if (m_player_looks_left > 0)
        return; // the player started is not there yet
    if (m_pending_hand_over && !m_player.closed()) {
        if (!m_player.hand_over(*m_pending_hand_over))
            return;
        m_pending_hand_over.reset();
        m_player.send(PlayerCommand::Pause);
    }
    if (m_go_to_pending)
        go_to_target();
}

bool Controller::playable(const std::string& path)
{
    const auto unplayable = why_unplayable(m_system, path);
    if (unplayable)
        m_view->show_message(translated(UI_TEXT("Cannot play %1\n(%2)"), {path, unplayable->why}));
    return !unplayable;
}

void Controller::load_playlist()
{
    // An empty path (a group saved with a single music file open) loads nothing.
    m_view->set_field_text(FieldId::Playlist, m_state.playlist_path);
    m_player.send(PlayerCommand::Stop);
    m_player.clear_playlist();
    m_state.playlist_moved = false;
    if (!m_state.playlist_path.empty())
        hand_over(list_to_play(m_state.playlist_path));
    m_player.send(PlayerCommand::Pause);
    m_state.history.clear();
    zero();
}

std::string Controller::list_to_play(const std::string& playlist)
{
    // The player reads the list itself, and would skip the entries that
    // moved with the list and shift every tip after them: it reads a copy
    // naming where they were found.
    const std::vector<RenamedEntry> moved = moved_entries(m_system, playlist);
    m_state.playlist_moved = !moved.empty();
    if (moved.empty())
        return playlist;
    const std::string folder = m_system.state_directory();
    const auto recordings = format_playlist(playlist_recordings(m_system, playlist));
    std::string copy = folder.empty() ? std::string() : folder + played_copy_file;
    if (copy.empty() || !recordings || !m_system.make_directories(folder) ||
        !m_system.replace_file(copy, *recordings)) {
        // Handed over as it is, the player skips what it cannot find; told.
        m_view->show_message(translated(
            UI_TEXT("Cannot play the recordings of %1 that were found beside it: %2 could not "
                    "be written"),
            {playlist, copy.empty() ? folder : copy}));
        return playlist;
    }
    m_view->tell(translated(moved.size() == 1
                                ? UI_TEXT("Of the recordings %1 names, 1 is not where it says; "
                                          "the one of the same name beside it, in %3, is played, "
                                          "and named in it when you save")
                                : UI_TEXT("Of the recordings %1 names, %2 are not where it says; "
                                          "the ones of the same names beside it, in %3, are "
                                          "played, and named in it when you save"),
                            {playlist, std::to_string(moved.size()),
                             std::string(folder_of(playlist, m_system.path_separator()))}));
    return copy;
}

void Controller::open_music_file(const std::string& path)
{
    if (!playable(path))
        return;
    m_state.playlist_path.clear();
    m_state.playlist_moved = false;
    m_view->set_field_text(FieldId::Playlist, m_state.playlist_path);
    hand_over(path);
    m_player.send(PlayerCommand::Pause);
    m_state.history.clear();
    m_state.zero_mark = 0;
    push_place();
    rewind();
}

void Controller::open_playlist()
{
    if (const auto path = m_view->choose_file({FileDialogMode::Open, translated(playlist_filter)}))
        open_playlist(*path);
}

void Controller::open_playlist(const std::string& path)
{
    if (!playable(path))
        return;
    m_state.playlist_path = path;
    load_playlist();
}

void Controller::open_music_file()
{
    if (const auto path = m_view->choose_file({FileDialogMode::Open, translated(music_filter)}))
        open_music_file(*path);
}

} // namespace cuedeck

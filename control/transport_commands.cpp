#include "control/controller.h"
#include "control/saturating.h"

namespace cuedeck {

namespace {
constexpr const char* playlist_filter = "Playlist files (*.m3u)|*.m3u||";
constexpr const char* music_filter = "Music files (*.mp3,*.wav)|*.mp3;*.wav||";
} // namespace

void Controller::play_pause()
{
    const int state = m_player.play_state();
    if (state != play_state::stopped) {
        m_player.send(PlayerCommand::Pause);
        if (state == play_state::playing) {
            // Now paused: step back so the listener hears the last words again.
            if (m_state.back_time != 0) {
                int position =
                    saturating_sub(m_player.position_ms(), saturating_mul(m_state.back_time, 1000));
                if (position < 0)
                    position = 0;
                m_state.position = position;
                m_player.jump_to(position);
            }
        } else {
            m_state.tip_timer_running = 1;
        }
    } else {
        m_player.send(PlayerCommand::Play);
        m_state.tip_timer_running = 1;
    }
    refresh();
    m_view.return_focus();
}

bool Controller::zero_step()
{
    if (m_player.play_state() == play_state::stopped)
        return false;
    int position = m_player.position_ms();
    if (position < 0)
        position = 0;
    if (position == m_state.zero_mark)
        return false;
    m_state.zero_mark = position;
    refresh();
    push_place();
    return true;
}

void Controller::zero()
{
    zero_step();
    m_view.return_focus();
}

void Controller::rewind()
{
    m_player.jump_to(m_state.zero_mark);
    refresh();
    m_view.return_focus();
}

void Controller::back_5_seconds()
{
    m_player.send(PlayerCommand::Back5s);
    refresh();
    m_view.return_focus();
}

void Controller::forward_5_seconds()
{
    m_player.send(PlayerCommand::Forward5s);
    refresh();
    m_view.return_focus();
}

void Controller::change_tip(PlayerCommand command)
{
    // Zeroing first records where the tip was left, when the mark moved.
    zero();
    m_player.send(command);
    m_state.zero_mark = 0;
    refresh();
    m_view.return_focus();
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
    m_player.send(PlayerCommand::VolumeUp);
}

void Controller::volume_down()
{
    m_player.send(PlayerCommand::VolumeDown);
}

void Controller::tip_timer()
{
    if (m_state.tip_timer_running != 0 && m_state.tip_seconds_left != 0) {
        m_state.tip_timer_running = 0; // freeze the count where it is
    } else {
        // Running is left alone: the count starts with the next play or resume.
        m_state.tip_seconds_left = saturating_mul(m_state.tip_time, 60);
        m_view.show_alarm_picture(false);
    }
    refresh();
    m_view.return_focus();
}

void Controller::undo()
{
    if (const auto entry = m_state.history.step_back()) {
        m_state.target_tip = entry->tip;
        m_state.target_seconds = entry->seconds;
        go_to_target();
    }
}

void Controller::redo()
{
    if (const auto entry = m_state.history.step_forward()) {
        m_state.target_tip = entry->tip;
        m_state.target_seconds = entry->seconds;
        go_to_target();
    }
}

void Controller::go_to_target()
{
    const int length = m_player.playlist_length();
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
    m_state.zero_mark = saturating_mul(m_state.target_seconds, 1000);
    rewind();
}

void Controller::load_playlist()
{
    m_view.set_field_text(FieldId::Playlist, m_state.playlist_path);
    m_player.send(PlayerCommand::Stop);
    m_player.clear_playlist();
    m_player.hand_over(m_state.playlist_path);
    m_player.send(PlayerCommand::Pause);
    m_state.history.clear();
    zero();
}

void Controller::open_music_file(const std::string& path)
{
    m_state.playlist_path.clear();
    m_view.set_field_text(FieldId::Playlist, m_state.playlist_path);
    m_player.hand_over(path);
    m_player.send(PlayerCommand::Pause);
    m_state.history.clear();
    m_state.zero_mark = 0;
    push_place();
    rewind();
}

void Controller::open_playlist()
{
    if (const auto path = m_view.choose_file(FileDialogMode::Open, playlist_filter, "")) {
        m_state.playlist_path = *path;
        load_playlist();
    }
}

void Controller::open_music_file()
{
    if (const auto path = m_view.choose_file(FileDialogMode::Open, music_filter, ""))
        open_music_file(*path);
}

} // namespace cuedeck

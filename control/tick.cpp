#include "control/controller.h"
#include "control/saturating.h"
#include "control/time_format.h"

namespace cuedeck {

void Controller::tick()
{
    // The countdown runs whenever the flag is set, playing, paused or stopped.
    if (m_state.tip_timer_running != 0 && m_state.tip_seconds_left != 0) {
        m_state.tip_seconds_left = saturating_sub(m_state.tip_seconds_left, 1);
        if (m_state.tip_seconds_left == 0) {
            if (m_state.sound_on != 0)
                m_alarm.play(m_state.play_using, m_state.sound_file);
            m_view.show_alarm_picture(true);
            m_state.tip_timer_running = 0;
        }
    }

    // A tip change the player made by itself (end of track, its own controls).
    const int previous_tip = m_state.current_tip;
    m_state.current_tip = m_player.playlist_index();
    if (m_state.current_tip != previous_tip) {
        m_state.zero_mark = 0;
        push_place();
    }

    refresh();
}

void Controller::refresh()
{
    const PlayerStatus status = m_player.status();
    m_state.current_tip = status.playlist_index;
    m_state.tip_length = status.track_length_s < 0 ? 0 : status.track_length_s;
    m_state.position = status.position_ms < 0 ? 0 : status.position_ms;

    m_view.set_field_text(FieldId::Playing, std::to_string(saturating_add(m_state.current_tip, 1)) +
                                                " of " + std::to_string(status.playlist_length) +
                                                "   " + status.caption);
    m_view.set_field_text(FieldId::TipLength, format_minutes_seconds(m_state.tip_length));
    m_view.set_field_text(FieldId::Position, format_minutes_seconds(m_state.position / 1000));
    // Integer division truncates toward zero: -1500 ms shows as -0:01, -999 ms as 0:00.
    m_view.set_field_text(
        FieldId::Counter,
        format_minutes_seconds(saturating_sub(m_state.position, m_state.zero_mark) / 1000));
    m_view.set_field_text(FieldId::TipTimer, format_minutes_seconds(m_state.tip_seconds_left));
}

} // namespace cuedeck

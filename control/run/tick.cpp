#include <algorithm>
#include <utility>

#include "base/saturating.h"
#include "base/text_lines.h"
#include "base/translation.h"
#include "control/run/controller.h"
#include "control/state/cues.h"
#include "control/state/loop.h"
#include "control/state/speed.h"
#include "control/state/time_format.h"
#include "system/system.h"

namespace cuedeck {

void Controller::tick()
{
    // The countdown runs whenever the flag is set, playing, paused or stopped.
    if (m_state.tip_timer_running && m_state.tip_seconds_left != 0) {
        m_state.tip_seconds_left = saturating_sub(m_state.tip_seconds_left, 1);
        if (m_state.tip_seconds_left == 0) {
            if (m_state.settings.sound_on != 0)
                m_alarm.play(m_state.settings.play_using, m_state.settings.sound_file);
            m_view->show_alarm_picture(true);
            m_state.tip_timer_running = false;
        }
    }

    // A load or go-to the player missed is carried out once it answers.
    if (m_pending_hand_over || m_go_to_pending)
        retry_pending();
    follow_aids();
    // What is wrong beside the player (its watcher gone) is told once.
    if (std::string care = m_player.look_after(); care != m_player_care_told) {
        m_player_care_told = std::move(care);
        if (!m_player_care_told.empty())
            show_notice(m_player_care_told);
    }

    // A notice stays while the player does not answer.
    if (m_notice_ticks_left > 0 && !m_player_silent && --m_notice_ticks_left == 0)
        m_view->set_field_text(FieldId::DeviceState, m_device_state);

    collect_draft();
    look_at_draft();
    follow_player();
    // A mark beyond the tip's end (a group written for a longer recording)
    // is no place: the tip's start is, and nothing impossible is saved.
    if (m_state.tip_length > 0 && m_state.zero_mark > saturating_mul(m_state.tip_length, 1000)) {
        m_state.zero_mark = 0;
        push_place();
        refresh();
    }
    m_journal.keep(m_state);
}

void Controller::refresh()
{
    show_status(m_player.status());
}

bool Controller::at_rest()
{
    return !playing() && !(m_state.tip_timer_running && m_state.tip_seconds_left != 0) &&
           !has_pending_move() && !m_draft_pending && !m_making_draft && m_notice_ticks_left == 0 &&
           m_player_looks_left == 0 && m_journal.kept(m_state) && m_player.told_through() >= 0;
}

void Controller::follow_player()
{
    // No answer is no change.
    if (const auto index = m_player.told_tip(); index && *index != m_state.current_tip) {
        m_state.current_tip = *index;
        m_state.zero_mark = 0;
        end_loop();
        push_place();
    }
    refresh();
}

void Controller::show_status(const std::optional<PlayerStatus>& answer)
{
    // A player that does not answer shows what it last said; without a
    // player every value reads 0.
    if (answer) {
        m_last_status = *answer;
        m_state.current_tip = answer->playlist_index;
        m_state.tip_length = std::max(answer->track_length_s, 0);
        m_state.position = std::max(answer->position_ms, 0);
    } else if (!m_player.connected()) {
        m_last_status = PlayerStatus{};
    }
    // What the window shows of a player that does not answer is what it
    // last said, and it says so.
    if (const bool silent = !answer && m_player.connected(); silent != m_player_silent) {
        m_player_silent = silent;
        if (silent) {
            show_notice(translated(not_answering, {player_name()}), true);
        } else if (m_notice_of_silence) {
            // Answering again; any later notice (what became of a key) stays.
            m_notice_ticks_left = 0;
            m_view->set_field_text(FieldId::DeviceState, m_device_state);
        }
    }
    if (answer && std::pair(answer->playlist_index, answer->fault) != m_told_fault) {
        m_told_fault = {answer->playlist_index, answer->fault};
        if (answer->fault != EntryFault::None)
            show_notice(fault_text(*answer));
    }
    if (m_last_status.no_sound_device != m_shown_no_sound_device)
        show_speed_state();
    follow_draft();
    follow_making_draft();
    tell_waveform_trouble();
    draw(present());
}

PresentedRun Controller::present()
{
    PresentedRun shown = present_run(m_last_status, m_state, recording_name(m_last_status.file));
    shown.bar.waveform = waveform_now();
    if (shown.bar.waveform)
        shown.bar.length_ms = std::max(shown.bar.length_ms, shown.bar.waveform->length_ms());
    if (m_draft.cues && recording_now() == m_draft.recording) {
        shown.bar.draft = m_draft.cues;
        shown.draft_line = cues::shown(*m_draft.cues, std::max(m_last_status.position_ms, 0));
    }
    return shown;
}

void Controller::draw(const PresentedRun& shown)
{
    m_view->set_field_text(FieldId::Playing, shown.playing);
    m_view->set_field_text(FieldId::TipLength, shown.tip_length);
    m_view->set_field_text(FieldId::Position, shown.position);
    m_view->set_field_text(FieldId::Counter, shown.counter);
    m_view->set_field_text(FieldId::TipTimer, shown.tip_timer);
    m_view->show_bar(shown.bar);
    m_view->show_draft_line(shown.draft_line);
}

std::string Controller::recording_name(const std::string& path) const
{
    return std::string(file_name_of(path, m_system.path_separator()));
}

std::string Controller::fault_text(const PlayerStatus& status) const
{
    const std::string tip = std::to_string(saturating_add(status.playlist_index, 1));
    switch (status.fault) {
    case EntryFault::None:
        break;
    case EntryFault::Unplayable:
        return translated(UI_TEXT("Tip %1 (%2) cannot be played"),
                          {tip, recording_name(status.file)});
    case EntryFault::CutShort:
        return translated(UI_TEXT("Tip %1 is cut short: it ends at %2"),
                          {tip, format_minutes_seconds(status.track_length_s)});
    }
    return {};
}

void Controller::say_where()
{
    reach_player();
    show_status(m_player.status());
    std::string text;
    if (m_last_status.playlist_length <= 0) {
        text = translated(UI_TEXT("No playlist is open"));
    } else {
        const int position = std::max(m_last_status.position_ms, 0);
        const auto state =
            m_last_status.play_state ? m_last_status.play_state : m_player.play_state();
        text = translated(
            UI_TEXT("Tip %1 of %2, %3, counter %4, tip timer %5"),
            {std::to_string(saturating_add(m_last_status.playlist_index, 1)),
             std::to_string(m_last_status.playlist_length),
             translated(state == play_state::playing ? UI_TEXT("playing") : UI_TEXT("paused")),
             format_minutes_seconds(saturating_sub(position, m_state.zero_mark) / 1000),
             format_minutes_seconds(m_state.tip_seconds_left)});
    }
    for (const std::string& more : {speed::text(m_state.speed), aids_text(),
                                    loop::text(m_state.loop), present().draft_line.heard}) {
        if (!more.empty())
            text += ", " + more;
    }
    m_view->announce(text);
}

} // namespace cuedeck

#include "base/saturating.h"
#include "base/text_lines.h"
#include "base/translation.h"
#include "control/run/controller.h"
#include "control/state/time_format.h"
#include "files/place_text.h"

namespace cuedeck {

void Controller::copy_place()
{
    reach_player();
    const int length = m_player.playlist_length().value_or(m_last_status.playlist_length);
    m_view->put_on_clipboard(format_place(m_state.current_tip + 1, length, position_now()));
}

void Controller::ask_and_go_to_place()
{
    if (const auto text = m_view->ask_place())
        go_to_place(*text, true);
    m_view->return_focus();
}

void Controller::go_to_copied_place()
{
    const std::string text = m_view->clipboard_text();
    // Whatever else the clipboard holds is none of ours.
    if (find_place(text))
        go_to_place(text, true);
}

std::string Controller::go_to_place(const std::string& text, bool told)
{
    const auto refuse = [&](const std::string& why) {
        if (told)
            m_view->show_message(why);
        return why;
    };
    const auto place = find_place(text);
    if (!place)
        return refuse(translated(UI_TEXT("There is no place in \"%1\" (a place looks like 1:23.4)"),
                                 {text_head(text)}));
    reach_player();
    const auto length = m_player.playlist_length();
    if (!length && m_player.connected())
        return refuse(translated(not_answering, {player_name()}));
    if (!length || *length <= 0)
        return refuse(translated(UI_TEXT("Cannot go to a place: no playlist is open")));
    const int tip = place->tip ? *place->tip - 1 : m_state.current_tip;
    if (tip < 0 || tip >= *length)
        return refuse(translated(*length == 1
                                     ? UI_TEXT("Cannot go to tip %1: the playlist has 1 tip")
                                     : UI_TEXT("Cannot go to tip %1: the playlist has %2 tips"),
                                 {std::to_string(tip + 1), std::to_string(*length)}));
    const auto beyond = [&](int tip_length_s) {
        return tip_length_s > 0 && place->position_ms > saturating_mul(tip_length_s, 1000);
    };
    const auto too_long = [&](int tip_length_s) {
        return translated(UI_TEXT("Cannot go to %1: tip %2 is %3 long"),
                          {format_minutes_seconds(place->position_ms / 1000),
                           std::to_string(tip + 1), format_minutes_seconds(tip_length_s)});
    };
    // A place in a recording that cannot be played, or past where one cut
    // short really ends, cannot be reached: the tip's start can.
    const auto unreachable = [&](const PlayerStatus& status) -> std::string {
        if (status.playlist_index != tip || place->position_ms <= 0)
            return {};
        if (status.fault == EntryFault::Unplayable)
            return translated(UI_TEXT("Cannot go to %1: tip %2 (%3) cannot be played"),
                              {format_minutes_seconds(place->position_ms / 1000),
                               std::to_string(tip + 1), recording_name(status.file)});
        if (status.fault == EntryFault::CutShort && beyond(status.track_length_s))
            return translated(UI_TEXT("Cannot go to %1: tip %2 is cut short at %3"),
                              {format_minutes_seconds(place->position_ms / 1000),
                               std::to_string(tip + 1),
                               format_minutes_seconds(status.track_length_s)});
        return {};
    };
    if (tip == m_state.current_tip && beyond(m_state.tip_length))
        return refuse(too_long(m_state.tip_length));
    if (tip == m_state.current_tip) {
        if (const std::string why = unreachable(m_last_status); !why.empty())
            return refuse(why);
    }
    const PositionHistory recorded = m_state.history;
    const int left_tip = m_state.current_tip;
    const int left_mark = m_state.zero_mark;
    const int left_at = position_now();
    // Where the tip was left is recorded first, as a tip move does; a place
    // found unreachable once there is undone, and nothing of it recorded.
    const auto undo = [&](const std::string& why) {
        m_state.history = recorded;
        go_to(left_tip, left_mark / 1000);
        m_state.zero_mark = left_mark;
        m_player.jump_to(left_at);
        refresh();
        return refuse(why);
    };
    zero();
    if (tip == left_tip) {
        // One jump, straight to the place.
        go_to(tip, place->position_ms / 1000, place->position_ms);
    } else {
        // Another tip is loaded at its start: its length is known only then.
        go_to(tip, 0);
        if (const auto status = m_player.status(); status && beyond(status->track_length_s))
            return undo(too_long(status->track_length_s));
        if (const std::string why = unreachable(m_last_status); !why.empty())
            return undo(why);
        m_state.target_seconds = place->position_ms / 1000; // for a player that answers late
        m_state.target_place_ms = place->position_ms;
        m_state.zero_mark = place->position_ms;
        rewind();
    }
    if (const std::string why = unreachable(m_last_status); !why.empty())
        return undo(why);
    push_place();
    return {};
}

} // namespace cuedeck

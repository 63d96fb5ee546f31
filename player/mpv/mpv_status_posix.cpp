// What the window shows of mpv: told by mpv as it changes, asked only
// before it has told everything; and whether mpv is still there.
#include "player/mpv/mpv_backend.h"

#include <utility>

#include "player/mpv/mpv_calls.h"

namespace cuedeck {

using namespace mpv_detail;

/// The values a status is made of, however they were learned.
struct MpvBackend::Heard
{
    std::optional<Json> expanded_title{}; ///< the title template, expanded
    std::optional<Json> idle{};
    std::optional<Json> count{};
    std::optional<Json> index{};
    std::optional<Json> duration{};
    std::optional<Json> time_pos{}; ///< in ms
    std::optional<Json> paused{};
    std::optional<Json> ended{};
    std::optional<Json> volume{};
    std::optional<Json> path{};
    std::optional<Json> output{}; ///< the audio output
    std::optional<Json> audio_track{};
    std::optional<Json> entry_title{}; ///< the selected entry's title, while idle
    std::optional<Json> entry_file{};  ///< and its file
};

namespace {

std::optional<Json> value_of(const Json* told)
{
    return told == nullptr || told->is_null() ? std::nullopt : std::optional<Json>(*told);
}

} // namespace

std::string MpvBackend::Calls::caption_from(const Answer& expanded, bool idle, int index,
                                            const Answer& entry_title, const Answer& entry_file)
{
    std::string caption;
    if (idle && index >= 0) {
        // Stopped, mpv has no media title: name the selected entry the same way.
        std::string name = text_of(entry_title);
        if (name.empty())
            name = text_of(entry_file);
        name = name.substr(name.rfind('/') + 1);
        caption = std::to_string(index + 1) + ". " + name + " - mpv";
    } else if (expanded && expanded->is_string()) {
        caption = expanded->get<std::string>();
    }
    if (caption.size() > 128)
        caption.resize(128);
    return caption;
}

std::string MpvBackend::caption()
{
    if (const auto told = m_acted ? std::nullopt : told_status())
        return told->caption;
    Budget budget(*this);
    const auto answers =
        Calls::all(*this, {ipc("expand-text", title_template), ipc("get_property", "idle-active"),
                           ipc("get_property", "playlist-pos")});
    const int index = int_of(answers[2]);
    Calls::Answer title;
    Calls::Answer file;
    if (flag_of(answers[1]) && index >= 0) {
        const auto names =
            Calls::all(*this, {ipc("get_property", entry_property(index, "title")),
                               ipc("get_property", entry_property(index, "filename"))});
        title = names[0];
        file = names[1];
    }
    return Calls::caption_from(answers[0], flag_of(answers[1]), index, title, file);
}

bool MpvBackend::in_touch()
{
    hear();
    if (!m_socket.is_open() || m_unresponsive)
        return false;
    const auto now = Clock::now();
    if (m_asked_if_there) {
        if (now - *m_asked_if_there < silence_allowance)
            return true;
        m_unresponsive = true; // until it says anything at all
        return false;
    }
    // Silent while it plays: asked, and the answer looked for at a later look.
    const Json* idle = m_protocol->told("idle-active");
    const Json* paused = m_protocol->told("pause");
    const bool playing = idle != nullptr && paused != nullptr && !flag_of(value_of(idle)) &&
                         !flag_of(value_of(paused));
    if (playing && now - m_heard_at >= silence_allowance) {
        const auto sent =
            m_socket.send_all(MpvProtocol::encode(m_next_id++, ipc("get_property", "pid")), now);
        if (sent == UnixSocket::Status::Ok)
            m_asked_if_there = now;
        else
            m_unresponsive = sent == UnixSocket::Status::TimedOut;
    }
    return m_socket.is_open() && !m_unresponsive;
}

bool MpvBackend::answers_now()
{
    // Asked even when it spoke a moment ago: it may have stopped since, and
    // a command would then wait its whole budget.
    if (!in_touch())
        return false;
    Budget budget(*this, probe_budget);
    Calls::one(*this, ipc("get_property", "pid"));
    return !m_missed;
}

std::optional<PlayerStatus> MpvBackend::status()
{
    if (!in_touch())
        return std::nullopt;
    keep_draft_track();
    if (!std::exchange(m_acted, false)) {
        if (auto told = told_status())
            return told;
    }
    return asked_status();
}

std::optional<int> MpvBackend::told_position()
{
    return told_or_asked(PlayerRequest::Position, &PlayerStatus::position_ms);
}

std::optional<int> MpvBackend::told_tip()
{
    return told_or_asked(PlayerRequest::PlaylistIndex, &PlayerStatus::playlist_index);
}

std::optional<int> MpvBackend::told_or_asked(PlayerRequest request, int PlayerStatus::*value)
{
    if (!in_touch())
        return std::nullopt;
    if (!m_acted) {
        if (const auto told = told_status())
            return (*told).*value;
    }
    Budget budget(*this);
    const int answer = answer_to(request, 0);
    return m_missed ? std::nullopt : std::optional<int>(answer);
}

PlayerStatus MpvBackend::status_of(const Heard& heard)
{
    PlayerStatus status;
    status.playlist_length = int_of(heard.count);
    status.playlist_index = int_of(heard.index);
    status.track_length_s = int_of(heard.duration);
    const bool idle = flag_of(heard.idle);
    status.position_ms = reported_position(int_of(heard.time_pos), flag_of(heard.paused));
    status.caption = Calls::caption_from(heard.expanded_title, idle, status.playlist_index,
                                         heard.entry_title, heard.entry_file);
    if (idle || flag_of(heard.ended))
        status.play_state = play_state::stopped;
    else
        status.play_state = flag_of(heard.paused) ? play_state::paused : play_state::playing;
    status.volume = int_of(heard.volume) + m_boost;
    status.file = text_of(heard.path);
    // The null output, or an audio track with no output at all.
    const bool null_output = text_of(heard.output) == "null";
    const bool unheard = !heard.output && heard.audio_track.has_value();
    status.no_sound_device = !idle && (null_output || unheard);
    if (m_unplayable && idle && status.playlist_index == m_unplayable->index) {
        status.fault = EntryFault::Unplayable;
        status.file = m_unplayable->file;
    } else if (const auto real_end = real_end_of(status.file)) {
        status.fault = EntryFault::CutShort;
        status.track_length_s = std::min(status.track_length_s, *real_end / 1000);
    }
    return status;
}

std::optional<PlayerStatus> MpvBackend::told_status()
{
    for (const char* property : told_properties) {
        if (m_protocol->told(property) == nullptr)
            return std::nullopt;
    }
    const auto told = [&](const char* property) { return value_of(m_protocol->told(property)); };
    Heard heard{.idle = told("idle-active"),
                .count = told("playlist-count"),
                .index = told("playlist-pos"),
                .duration = told("duration"),
                .paused = told("pause"),
                .ended = told("eof-reached"),
                .volume = told("volume"),
                .path = told("path"),
                .output = told("current-ao"),
                .audio_track = told("current-tracks/audio/id")};
    // mpv's title template, filled in here.
    const std::string title = text_of(told("media-title"));
    heard.expanded_title =
        Json(title.empty() ? std::string("mpv")
                           : std::to_string(saturating_add(int_of(heard.index), 1)) + ". " + title +
                                 " - mpv");
    const int index = int_of(heard.index);
    if (const auto list = told("playlist");
        list && list->is_array() && index >= 0 && std::size_t(index) < list->size()) {
        const Json& entry = (*list)[std::size_t(index)];
        if (entry.is_object()) {
            heard.entry_title = value_of(entry.contains("title") ? &entry["title"] : nullptr);
            heard.entry_file = value_of(entry.contains("filename") ? &entry["filename"] : nullptr);
        }
    }
    // Between its reports the place moves on at the speed played, as far
    // as one silence allows; not before mpv has told it moving after a play
    // or seek began, as its output takes a while to start (a place run on
    // from a report made while paused would show the next cue, then this).
    int place = seconds_to_ms(told("time-pos"));
    if (m_moving && told("time-pos") && seconds_to_ms(told("time-pos")) != m_place_at_start_ms) {
        const auto since =
            std::min<Clock::duration>(Clock::now() - m_place_told_at, silence_allowance);
        const auto told_speed = told("speed");
        const double speed =
            told_speed && told_speed->is_number() ? told_speed->get<double>() : 1.0;
        place = saturating_add(
            place, static_cast<int>(std::chrono::duration<double, std::milli>(since).count() *
                                    std::clamp(speed, 0.0, 100.0)));
        if (heard.duration)
            place = std::min(place, seconds_to_ms(heard.duration));
    }
    heard.time_pos = Json(place);
    return status_of(heard);
}

std::optional<PlayerStatus> MpvBackend::asked_status()
{
    Budget budget(*this);
    // One command, one round trip: every value, the path and the caption in
    // one text.
    static const auto [values_text, fields_text] = [] {
        std::string values;
        for (const char* field : {"${=idle-active}", "${=playlist-count}", "${=playlist-pos}",
                                  "${=duration:}", "${=time-pos:}", "${=pause}", "${=eof-reached:}",
                                  "${=volume}", "${=current-ao:}", "${current-tracks/audio/id:}"})
            values.append(values.empty() ? "" : std::string(1, value_separator)).append(field);
        return std::pair{values,
                         values + value_separator + "${=path:}" + value_separator + title_template};
    }();
    constexpr std::size_t path_field = 10;
    const auto reply = Calls::one(*this, ipc("expand-text", fields_text));
    auto values = expanded_values(reply, 12, path_field);
    if (reply && !values[0]) {
        // A path or a title with the separator in it: those two by themselves.
        const auto replies =
            Calls::all(*this, {ipc("expand-text", values_text), ipc("get_property", "path"),
                               ipc("expand-text", title_template)});
        values = expanded_values(replies[0], 10);
        values.push_back(replies[1]);
        values.push_back(replies[2]);
    }
    Heard heard{.expanded_title = values[11],
                .idle = values[0],
                .count = values[1],
                .index = values[2],
                .duration = values[3],
                .time_pos = Json(seconds_to_ms(values[4])),
                .paused = values[5],
                .ended = values[6],
                .volume = values[7],
                .path = values[10],
                .output = values[8],
                .audio_track = values[9]};
    const int index = int_of(heard.index);
    if (flag_of(heard.idle) && index >= 0) {
        const auto names =
            Calls::all(*this, {ipc("get_property", entry_property(index, "title")),
                               ipc("get_property", entry_property(index, "filename"))});
        heard.entry_title = names[0];
        heard.entry_file = names[1];
    }
    if (m_missed)
        return std::nullopt;
    return status_of(heard);
}

} // namespace cuedeck

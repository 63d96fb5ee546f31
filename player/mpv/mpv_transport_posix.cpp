// The player's vocabulary carried out over mpv's IPC: the transport
// commands, the requests and the status a refresh reads.
#include <thread>

#include "player/mpv/mpv_backend.h"
#include "player/mpv/mpv_calls.h"

namespace cuedeck {

using namespace mpv_detail;

int MpvBackend::play_state()
{
    const auto answers =
        Calls::all(*this, {ipc("get_property", "idle-active"), ipc("get_property", "eof-reached"),
                           ipc("get_property", "pause")});
    if (flag_of(answers[0]) || flag_of(answers[1]))
        return play_state::stopped;
    return flag_of(answers[2]) ? play_state::paused : play_state::playing;
}

void MpvBackend::wait_until_loaded(int index, std::uint64_t files_started)
{
    // mpv opens files in the background; a player is expected to answer for
    // the new track as soon as the command returns.
    m_unplayable.reset();
    const auto entry = Calls::one(*this, ipc("get_property", entry_property(index, "id")));
    while (m_socket.is_open() && Clock::now() < m_deadline) {
        const auto answers = Calls::all(
            *this, {ipc("get_property", "playlist-playing-pos"), ipc("get_property", "time-pos"),
                    ipc("get_property", "idle-active"), ipc("get_property", "seeking")});
        if (entry && entry->is_number_integer() &&
            m_protocol->failed(entry->get<std::int64_t>(), files_started)) {
            // mpv could not play it and went on to the next entry by itself:
            // the entry asked for is put back, stopped, to be shown as it is.
            stop();
            Calls::one(*this, ipc("set_property", "playlist-current-pos", index));
            m_unplayable = Unplayable{
                index,
                text_of(Calls::one(*this, ipc("get_property", entry_property(index, "filename"))))};
            return;
        }
        const int playing = answers[0] ? int_of(answers[0]) : -1;
        // Loaded and started: a seek sent before then could be dropped.
        if (answers[1] && !flag_of(answers[3]) && playing == index)
            return;
        // Idle once it has begun: nothing is loading. (Idle before then: it
        // has not begun yet.)
        if (flag_of(answers[2]) && playing == -1 && m_protocol->files_started() > files_started)
            return;
        std::this_thread::sleep_for(poll_interval);
    }
}

void MpvBackend::change_track(int step)
{
    const int index = get_int("playlist-pos");
    const int target = index + step;
    // At the ends of the list nothing changes.
    if (target < 0 || target >= get_int("playlist-count"))
        return;
    const std::uint64_t started = m_protocol->files_started();
    // By its index, not by playlist-prev: past an entry it cannot play, mpv
    // goes on in the direction it moved, and going back (on mpv 0.40) it
    // does so even after the entry was put back and the player stopped.
    if (Calls::one(*this, ipc("playlist-play-index", target)))
        wait_until_loaded(target, started);
}

void MpvBackend::play()
{
    const int state = play_state();
    if (state == play_state::stopped) {
        const int selected = get_int("playlist-pos");
        const int index = std::max(selected, 0);
        if (selected < 0)
            Calls::one(*this, ipc("set_property", "playlist-current-pos", index));
        // Unpausing after the start lets mpv pause again at the end of the list.
        const std::uint64_t started = m_protocol->files_started();
        Calls::one(*this, ipc("playlist-play-index", "current"));
        wait_until_loaded(index, started);
        build_aids();
        Calls::one(*this, ipc("set_property", "pause", false));
    } else if (state == play_state::paused) {
        Calls::one(*this, ipc("set_property", "pause", false));
    }
}

void MpvBackend::stop()
{
    // mpv forgets the selected entry when it stops; put it back, as a
    // stopped player still has a current entry. The stop ends playback (or
    // the loading of the next entry after one that failed) in the background,
    // and the entry is forgotten only then, after the stop's reply (later on
    // mpv 0.40 than on 0.35): an entry put back before then would be
    // forgotten too. Stopped while idle, mpv keeps its selection.
    const auto before = Calls::all(
        *this, {ipc("get_property", "playlist-pos"), ipc("get_property", "idle-active")});
    const int index = before[0] ? int_of(before[0]) : -1;
    const bool was_idle = flag_of(before[1]);
    Calls::one(*this, ipc("stop", "keep-playlist"));
    while (!was_idle && m_socket.is_open() && Clock::now() < m_deadline) {
        const auto now = Calls::all(*this, {ipc("get_property", "playlist-playing-pos"),
                                            ipc("get_property", "idle-active"),
                                            ipc("get_property", "playlist-pos")});
        const bool stopped = !now[0] || int_of(now[0]) == -1;
        if (stopped && flag_of(now[1]) && (!now[2] || int_of(now[2]) == -1))
            break;
        std::this_thread::sleep_for(poll_interval);
    }
    Calls::one(*this, ipc("set_property", "pause", false));
    if (index >= 0)
        Calls::one(*this, ipc("set_property", "playlist-current-pos", index));
}

void MpvBackend::clear_playlist()
{
    m_unplayable.reset();
    Calls::one(*this, ipc("playlist-clear"));
    // playlist-clear keeps the entry being played.
    if (get_int("playlist-count") > 0)
        Calls::one(*this, ipc("playlist-remove", "current"));
}

MpvBackend::Landing MpvBackend::seek_and_settle(int target_ms)
{
    // The seek is taken up after its reply; mpv says when a seek has ended
    // (found its place, or the end of the file), and whoever asks next finds
    // the player where it was sent. Another seek (a file's start) may end
    // first: this one has ended once the place is its target.
    const std::uint64_t ended_before = m_protocol->seeks_done();
    if (!Calls::one(*this, ipc("seek", target_ms / 1000.0, "absolute")))
        return Landing::NotTold;
    for (;;) {
        if (m_protocol->seeks_done() > ended_before) {
            const auto now = Calls::all(
                *this, {ipc("get_property", "time-pos"), ipc("get_property", "eof-reached")});
            if (now[0] &&
                std::abs(std::int64_t{seconds_to_ms(now[0])} - target_ms) <= latency_allowance_ms)
                return flag_of(now[1]) ? Landing::AtEnd : Landing::There;
        } else if (!Calls::one(*this, ipc("get_property", "seeking"))) {
            return Landing::NotTold;
        }
        if (!m_socket.is_open() || Clock::now() >= m_deadline)
            return Landing::NotTold;
        std::this_thread::sleep_for(poll_interval);
    }
}

void MpvBackend::seek_to(int target_ms)
{
    // A paused player should report where it was put, so the target is
    // remembered while it stays paused there.
    m_paused_at.reset();
    // Held open, a seek past the end of a recording that is shorter than
    // its header says stops at the end rather than going on to the next
    // entry; the real end is then looked for, and the player put there.
    const std::string held_open = "file-local-options/keep-open";
    const auto answers =
        Calls::all(*this, {ipc("get_property", "keep-open"),
                           ipc("set_property", held_open, "always"), ipc("get_property", "pause"),
                           ipc("get_property", "duration"), ipc("get_property", "path")});
    const std::string path = text_of(answers[4]);
    Landing landing = seek_and_settle(target_ms);
    if (landing == Landing::AtEnd && !path.empty() &&
        target_ms < saturating_sub(seconds_to_ms(answers[3]), end_allowance_ms)) {
        int plays = 0;
        int ended = target_ms;
        if (const auto known = real_end_of(path))
            plays = ended = *known;
        while (landing != Landing::NotTold && ended - plays > real_end_precision_ms) {
            const int middle = plays + (ended - plays) / 2;
            landing = seek_and_settle(middle);
            (landing == Landing::AtEnd ? ended : plays) = middle;
        }
        if (landing != Landing::NotTold)
            landing = seek_and_settle(plays);
        if (landing == Landing::There) {
            if (m_real_ends.size() >= most_real_ends)
                m_real_ends.clear();
            m_real_ends[path] = plays;
            target_ms = plays;
        }
    }
    // As the player was: a seek to the very end goes on to the next entry.
    if (answers[0])
        Calls::one(*this, ipc("set_property", held_open, *answers[0]));
    if (landing == Landing::There && flag_of(answers[2]))
        m_paused_at = target_ms;
}

void MpvBackend::skip(int step_ms)
{
    // From where the player reports itself, so that skips while paused do
    // not drift by mpv's latency; never before the start or past the end.
    const auto answers =
        Calls::all(*this, {ipc("get_property", "time-pos"), ipc("get_property", "pause"),
                           ipc("get_property", "duration"), ipc("get_property", "path")});
    if (!answers[0])
        return;
    const int from = reported_position(seconds_to_ms(answers[0]), flag_of(answers[1]));
    int length_ms = std::max(saturating_mul(int_of(answers[2]), 1000), 0);
    if (const auto real_end = real_end_of(text_of(answers[3])))
        length_ms = std::min(length_ms, *real_end);
    seek_to(std::clamp(saturating_add(from, step_ms), 0, length_ms));
}

std::optional<int> MpvBackend::real_end_of(const std::string& path) const
{
    const auto found = m_real_ends.find(path);
    return found == m_real_ends.end() ? std::nullopt : std::optional<int>(found->second);
}

int MpvBackend::reported_position(int position, bool paused)
{
    if (!paused || !m_paused_at ||
        std::abs(std::int64_t{position} - *m_paused_at) > latency_allowance_ms) {
        m_paused_at.reset(); // moved on, or moved by someone else
        return position;
    }
    return *m_paused_at;
}

void MpvBackend::command(PlayerCommand command)
{
    Budget budget(*this);
    m_acted = true;
    if (command != PlayerCommand::VolumeUp && command != PlayerCommand::VolumeDown &&
        command != PlayerCommand::Forward5Seconds && command != PlayerCommand::Back5Seconds)
        m_paused_at.reset();
    switch (command) {
    case PlayerCommand::PreviousTrack:
        change_track(-1);
        break;
    case PlayerCommand::NextTrack:
        change_track(1);
        break;
    case PlayerCommand::Play:
        play();
        break;
    case PlayerCommand::Pause:
        // While idle a pause would only flip the flag, and the next file would load paused.
        if (!flag_of(Calls::one(*this, ipc("get_property", "idle-active"))))
            Calls::one(*this, ipc("cycle", "pause"));
        break;
    case PlayerCommand::Stop:
        stop();
        break;
    case PlayerCommand::VolumeUp:
        change_volume(volume_step);
        break;
    case PlayerCommand::VolumeDown:
        change_volume(-volume_step);
        break;
    case PlayerCommand::Forward5Seconds:
        skip(5000);
        break;
    case PlayerCommand::Back5Seconds:
        skip(-5000);
        break;
    }
}

std::optional<int> MpvBackend::request(PlayerRequest request, int argument)
{
    Budget budget(*this);
    m_acted = true;
    const int answer = answer_to(request, argument);
    if (m_missed)
        return std::nullopt;
    return answer;
}

int MpvBackend::answer_to(PlayerRequest request, int argument)
{
    if (request == PlayerRequest::ClearPlaylist || request == PlayerRequest::SetPlaylistIndex)
        m_paused_at.reset();
    switch (request) {
    case PlayerRequest::ClearPlaylist:
        clear_playlist();
        return 0;
    case PlayerRequest::PlayState:
        return play_state();
    case PlayerRequest::Position:
        if (argument == 1)
            return int_of(Calls::one(*this, ipc("get_property", "duration")));
        else {
            const auto answers =
                Calls::all(*this, {ipc("get_property", "time-pos"), ipc("get_property", "pause")});
            return reported_position(seconds_to_ms(answers[0]), flag_of(answers[1]));
        }
    case PlayerRequest::JumpTo:
        // A negative absolute seek would count from the end of the track.
        seek_to(std::max(argument, 0));
        return 0;
    case PlayerRequest::SetPlaylistIndex:
        Calls::one(*this, ipc("set_property", "playlist-current-pos", argument));
        return 0;
    case PlayerRequest::PlaylistLength:
        return get_int("playlist-count");
    case PlayerRequest::PlaylistIndex:
        return get_int("playlist-pos");
    }
    return 0;
}

bool MpvBackend::set_speed(int percent)
{
    Budget budget(*this);
    m_acted = true;
    // mpv keeps the pitch by default; asked for anyway, as a found player may
    // have been told otherwise.
    const auto answers = Calls::all(*this, {ipc("set_property", "audio-pitch-correction", true),
                                            ipc("set_property", "speed", percent / 100.0)});
    return answers[1].has_value();
}

} // namespace cuedeck

#include "player/mpv/mpv_backend.h"
#include "player/mpv/socket_location.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "base/saturating.h"
#include "files/command_line.h"
#include "base/text_lines.h"
#include "base/process.h"

namespace cuedeck {

namespace {

using Clock = std::chrono::steady_clock;

/// Between looks at a player that is still busy with a command (loading,
/// stopping, seeking): short, as these take a millisecond or two.
constexpr std::chrono::microseconds poll_interval{200};

/// How far short of where it was sent a settled mpv may report itself: its
/// audio output's latency (a fifth of a second for the null output, similar
/// for a sound server).
constexpr int latency_allowance_ms = 1000;

/// A number of mpv's as an int, truncated and clamped; 0 for anything else.
int to_int(const std::optional<Json>& value)
{
    if (!value || !value->is_number())
        return 0;
    const double number = value->get<double>();
    return std::isfinite(number)
               ? clamp_to_int(static_cast<std::int64_t>(std::clamp(number, -1e15, 1e15)))
               : 0;
}

bool to_flag(const std::optional<Json>& value)
{
    return value && value->is_boolean() && value->get<bool>();
}

int seconds_to_ms(const std::optional<Json>& value)
{
    if (!value || !value->is_number())
        return 0;
    const double seconds = value->get<double>();
    if (!std::isfinite(seconds))
        return 0;
    return clamp_to_int(std::llround(std::clamp(seconds * 1000.0, -1e15, 1e15)));
}

bool is_playlist(const std::string& path)
{
    const std::string_view extension = file_extension(path, '/');
    return equal_ignoring_case(extension, ".m3u") || equal_ignoring_case(extension, ".m3u8") ||
           equal_ignoring_case(extension, ".pls");
}

} // namespace

MpvLocation default_mpv_location()
{
    const RuntimeFolder folder = private_runtime_folder();
    std::string socket = socket_path_in(folder, "mpv.sock");
    std::string problem;
    if (socket.empty())
        problem = folder.problem.empty()
                      ? "The folder " + folder.path + " has too long a name for a socket"
                      : folder.problem;
    // --no-config keeps a user's scripts (resume, loops, autoload) out of the
    // way of the behaviour the commands rely on.
    std::vector<std::string> program = {"mpv",
                                        "--no-config",
                                        "--idle=yes",
                                        "--force-window=no",
                                        "--keep-open=yes",
                                        "--no-terminal",
                                        "--audio-fallback-to-null=yes",
                                        "--resume-playback=no",
                                        "--volume-max=100"};
    return {std::move(socket), std::move(program), std::move(problem)};
}

/// Sets the deadline for one outermost backend call; nested calls share it.
class MpvBackend::Budget
{
public:
    explicit Budget(MpvBackend& backend) : m_backend(backend)
    {
        if (m_backend.m_budget_depth++ == 0) {
            m_backend.m_deadline = Clock::now() + reply_budget;
            m_backend.m_missed = false;
        }
    }
    ~Budget() { --m_backend.m_budget_depth; }
    Budget(const Budget&) = delete;
    Budget& operator=(const Budget&) = delete;

private:
    MpvBackend& m_backend;
};

MpvBackend::MpvBackend(MpvLocation location) : m_location(std::move(location)) {}

MpvBackend::~MpvBackend() = default;

std::vector<std::string> MpvBackend::start_arguments(const std::string& file) const
{
    std::vector<std::string> arguments = m_location.program;
    arguments.push_back("--input-ipc-server=" + m_location.socket_path);
    arguments.push_back(std::string("--title=") + title_template);
    if (!file.empty()) {
        arguments.push_back("--");
        arguments.push_back(file);
    }
    return arguments;
}

bool MpvBackend::find()
{
    if (m_location.socket_path.empty() || !m_socket.connect(m_location.socket_path))
        return false;
    m_protocol = MpvProtocol();
    // Only replies are of interest; events would pile up between ticks.
    Budget budget(*this);
    call(ipc("disable_event", "all"));
    return m_socket.is_open();
}

bool MpvBackend::start()
{
    if (m_location.socket_path.empty())
        return false;
    const auto pid = spawn_detached(start_arguments());
    m_started = pid.value_or(0);
    return pid.has_value();
}

void MpvBackend::abandon_start()
{
    if (m_started > 0)
        ::kill(m_started, SIGTERM);
    m_started = 0;
}

bool MpvBackend::heard_from_since_timeout()
{
    // A player that let a request time out has not answered since: ask it
    // nothing more until it says something, so that a hung player costs the
    // window one wait rather than one for every question of every tick.
    std::string received;
    const auto status = m_socket.receive(received, Clock::now());
    if (status != UnixSocket::Status::Ok)
        return false;
    m_protocol.feed(received);
    m_unresponsive = false;
    return true;
}

std::vector<std::optional<Json>> MpvBackend::call_all(const std::vector<Json>& commands)
{
    std::vector<std::optional<Json>> results(commands.size());
    // Any early return below leaves questions unanswered.
    const bool missed_before = m_missed;
    m_missed = true;
    if (!m_socket.is_open() || (m_unresponsive && !heard_from_since_timeout()))
        return results;
    const std::int64_t first_id = m_next_id;
    std::string bytes;
    for (const Json& command : commands)
        bytes += MpvProtocol::encode(m_next_id++, command);
    if (const auto sent = m_socket.send_all(bytes, m_deadline); sent != UnixSocket::Status::Ok) {
        m_unresponsive = sent == UnixSocket::Status::TimedOut;
        return results;
    }

    std::string received;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const std::int64_t id = first_id + static_cast<std::int64_t>(i);
        std::optional<MpvProtocol::Reply> reply;
        while (!(reply = m_protocol.take(id))) {
            received.clear();
            const auto status = m_socket.receive(received, m_deadline);
            if (status != UnixSocket::Status::Ok) {
                m_unresponsive = status == UnixSocket::Status::TimedOut;
                return results;
            }
            m_protocol.feed(received);
        }
        if (reply->success)
            results[i] = std::move(reply->data);
    }
    m_missed = missed_before;
    return results;
}

std::optional<Json> MpvBackend::call(const Json& command)
{
    return std::move(call_all(std::vector<Json>{command}).front());
}

int MpvBackend::get_int(const std::string& property)
{
    return to_int(call(ipc("get_property", property)));
}

int MpvBackend::play_state()
{
    const auto answers =
        call_all({ipc("get_property", "idle-active"), ipc("get_property", "eof-reached"),
                  ipc("get_property", "pause")});
    if (to_flag(answers[0]) || to_flag(answers[1]))
        return play_state::stopped;
    return to_flag(answers[2]) ? play_state::paused : play_state::playing;
}

void MpvBackend::wait_until_loaded(int index)
{
    // mpv opens files in the background; a player is expected to answer for
    // the new track as soon as the command returns.
    while (m_socket.is_open() && Clock::now() < m_deadline) {
        const auto answers =
            call_all({ipc("get_property", "playlist-playing-pos"), ipc("get_property", "time-pos"),
                      ipc("get_property", "idle-active"), ipc("get_property", "seeking")});
        const int playing = answers[0] ? to_int(answers[0]) : -1;
        // Loaded and started: a seek sent before then could be dropped.
        if (answers[1] && !to_flag(answers[3]) && (index < 0 || playing == index))
            return;
        if (to_flag(answers[2]) && playing == -1)
            return; // nothing is loading
        std::this_thread::sleep_for(poll_interval);
    }
}

void MpvBackend::change_track(const char* command)
{
    const int index = get_int("playlist-pos");
    // At the ends of the list mpv refuses and nothing changes.
    if (call(ipc(command)))
        wait_until_loaded(std::string_view(command) == "playlist-next" ? index + 1 : index - 1);
}

void MpvBackend::play()
{
    const int state = play_state();
    if (state == play_state::stopped) {
        if (get_int("playlist-pos") < 0)
            call(ipc("set_property", "playlist-current-pos", 0));
        // Unpausing after the start lets mpv pause again at the end of the list.
        call(ipc("playlist-play-index", "current"));
        wait_until_loaded(-1);
        call(ipc("set_property", "pause", false));
    } else if (state == play_state::paused) {
        call(ipc("set_property", "pause", false));
    }
}

void MpvBackend::stop()
{
    // mpv forgets the selected entry when it stops; put it back, as a
    // stopped player still has a current entry.
    const int index = get_int("playlist-pos");
    call(ipc("stop", "keep-playlist"));
    while (m_socket.is_open() && Clock::now() < m_deadline) {
        const auto playing = call(ipc("get_property", "playlist-playing-pos"));
        if (!playing || to_int(playing) == -1)
            break;
        std::this_thread::sleep_for(poll_interval);
    }
    call(ipc("set_property", "pause", false));
    if (index >= 0)
        call(ipc("set_property", "playlist-current-pos", index));
}

void MpvBackend::clear_playlist()
{
    call(ipc("playlist-clear"));
    // playlist-clear keeps the entry being played.
    if (get_int("playlist-count") > 0)
        call(ipc("playlist-remove", "current"));
}

void MpvBackend::seek_to(int target_ms)
{
    // Once mpv has taken a seek up it reports the target as the position;
    // once the seek has settled, a few milliseconds less (its output
    // latency). A paused player should report where it was put, so the target
    // is remembered while it stays paused there.
    m_paused_at.reset();
    const auto answers =
        call_all({ipc("seek", target_ms / 1000.0, "absolute"), ipc("get_property", "pause")});
    if (!answers[0])
        return;
    // The seek is taken up after its reply; wait for that, so that whoever
    // asks next finds the player where it was sent.
    for (;;) {
        const auto now =
            call_all({ipc("get_property", "time-pos"), ipc("get_property", "eof-reached")});
        if (to_flag(now[1]) || (now[0] && std::abs(std::int64_t{seconds_to_ms(now[0])} -
                                                   target_ms) <= latency_allowance_ms))
            break;
        if (!m_socket.is_open() || Clock::now() >= m_deadline)
            return;
        std::this_thread::sleep_for(poll_interval);
    }
    if (to_flag(answers[1]))
        m_paused_at = target_ms;
}

void MpvBackend::skip(int step_ms)
{
    // From where the player reports itself, so that skips while paused do
    // not drift by mpv's latency; never before the start or past the end.
    const auto answers = call_all({ipc("get_property", "time-pos"), ipc("get_property", "pause"),
                                   ipc("get_property", "duration")});
    if (!answers[0])
        return;
    const int from = reported_position(answers[0], to_flag(answers[1]));
    const int length_ms = std::max(saturating_mul(to_int(answers[2]), 1000), 0);
    seek_to(std::clamp(saturating_add(from, step_ms), 0, length_ms));
}

int MpvBackend::reported_position(const std::optional<Json>& time_pos, bool paused)
{
    const int position = seconds_to_ms(time_pos);
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
    if (command != PlayerCommand::VolumeUp && command != PlayerCommand::VolumeDown &&
        command != PlayerCommand::Forward5s && command != PlayerCommand::Back5s)
        m_paused_at.reset();
    switch (command) {
    case PlayerCommand::PreviousTrack:
        change_track("playlist-prev");
        break;
    case PlayerCommand::NextTrack:
        change_track("playlist-next");
        break;
    case PlayerCommand::Play:
        play();
        break;
    case PlayerCommand::Pause:
        // While idle a pause would only flip the flag, and the next file would load paused.
        if (!to_flag(call(ipc("get_property", "idle-active"))))
            call(ipc("cycle", "pause"));
        break;
    case PlayerCommand::Stop:
        stop();
        break;
    case PlayerCommand::VolumeUp:
        call(ipc("add", "volume", volume_step));
        break;
    case PlayerCommand::VolumeDown:
        call(ipc("add", "volume", -volume_step));
        break;
    case PlayerCommand::Forward5s:
        skip(5000);
        break;
    case PlayerCommand::Back5s:
        skip(-5000);
        break;
    }
}

std::optional<int> MpvBackend::request(PlayerRequest request, int wparam)
{
    Budget budget(*this);
    const int answer = answer_to(request, wparam);
    if (m_missed)
        return std::nullopt;
    return answer;
}

int MpvBackend::answer_to(PlayerRequest request, int wparam)
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
        if (wparam == 1)
            return to_int(call(ipc("get_property", "duration")));
        else {
            const auto answers =
                call_all({ipc("get_property", "time-pos"), ipc("get_property", "pause")});
            return reported_position(answers[0], to_flag(answers[1]));
        }
    case PlayerRequest::JumpTo:
        // A negative absolute seek would count from the end of the track.
        seek_to(std::max(wparam, 0));
        return 0;
    case PlayerRequest::SetPlaylistIndex:
        call(ipc("set_property", "playlist-current-pos", wparam));
        return 0;
    case PlayerRequest::PlaylistLength:
        return get_int("playlist-count");
    case PlayerRequest::PlaylistIndex:
        return get_int("playlist-pos");
    }
    return 0;
}

std::string MpvBackend::caption_from(const std::optional<Json>& expanded, bool idle, int index)
{
    std::string caption;
    if (idle && index >= 0) {
        // Stopped, mpv has no media title: name the selected entry the same way.
        const std::string entry = "playlist/" + std::to_string(index) + "/";
        const auto names = call_all(
            {ipc("get_property", entry + "title"), ipc("get_property", entry + "filename")});
        std::string name;
        if (names[0] && names[0]->is_string())
            name = names[0]->get<std::string>();
        else if (names[1] && names[1]->is_string())
            name = names[1]->get<std::string>();
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
    Budget budget(*this);
    const auto answers =
        call_all({ipc("expand-text", title_template), ipc("get_property", "idle-active"),
                  ipc("get_property", "playlist-pos")});
    return caption_from(answers[0], to_flag(answers[1]), to_int(answers[2]));
}

std::optional<PlayerStatus> MpvBackend::status()
{
    Budget budget(*this);
    // Asked together: one round trip instead of six.
    const auto answers =
        call_all({ipc("expand-text", title_template), ipc("get_property", "idle-active"),
                  ipc("get_property", "playlist-count"), ipc("get_property", "playlist-pos"),
                  ipc("get_property", "duration"), ipc("get_property", "time-pos"),
                  ipc("get_property", "pause")});
    PlayerStatus status;
    status.playlist_length = to_int(answers[2]);
    status.playlist_index = to_int(answers[3]);
    status.track_length_s = to_int(answers[4]);
    status.position_ms = reported_position(answers[5], to_flag(answers[6]));
    status.caption = caption_from(answers[0], to_flag(answers[1]), status.playlist_index);
    if (m_missed)
        return std::nullopt;
    return status;
}

bool MpvBackend::hand_over(const std::string& path)
{
    Budget budget(*this);
    m_paused_at.reset();
    // The pause flag survives loading; without this the caller's following
    // pause would start playback instead.
    call(ipc("set_property", "pause", false));
    if (call(ipc(is_playlist(path) ? "loadlist" : "loadfile", path, "replace")))
        wait_until_loaded(0);
    return !m_missed;
}

void MpvBackend::close()
{
    Budget budget(*this);
    // A player we started but lost touch with is still ended with us.
    if (!m_socket.is_open() && !m_location.socket_path.empty())
        m_socket.connect(m_location.socket_path);
    call(ipc("quit"));
    m_socket.close();
}

} // namespace cuedeck

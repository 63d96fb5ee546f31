// mpv found, started and spoken to: discovery, the IPC calls with their
// deadline, hand-over and close.
#include "player/mpv/mpv_backend.h"

#include <signal.h>

#include "base/process.h"
#include "base/translation.h"
#include "files/playlist_format.h"
#include "player/mpv/mpv_calls.h"
#include "player/mpv/mpv_protocol.h"
#include "player/mpv/socket_location.h"

namespace cuedeck {

using namespace mpv_detail;

MpvLocation default_mpv_location()
{
    const RuntimeFolder folder = private_runtime_folder();
    std::string socket = socket_path_in(folder, "mpv.sock");
    std::string problem;
    if (socket.empty())
        problem = folder.problem.empty()
                      ? translated(UI_TEXT("The folder %1 has too long a name for a socket"),
                                   {folder.path})
                      : folder.problem;
    // --no-config keeps a user's scripts (resume, loops, autoload) out of the
    // way of the behaviour the commands rely on; mpv's own scripts (on-screen
    // controller, stream hook, stats, console, auto profiles) are never used
    // here and cost memory, and the stream hook would fetch from the network.
    std::vector<std::string> program = {"mpv",
                                        "--no-config",
                                        "--load-scripts=no",
                                        "--osc=no",
                                        "--ytdl=no",
                                        "--load-stats-overlay=no",
                                        "--load-osd-console=no",
                                        "--load-auto-profiles=no",
                                        "--idle=yes",
                                        "--force-window=no",
                                        "--keep-open=yes",
                                        "--no-terminal",
                                        "--audio-fallback-to-null=yes",
                                        "--resume-playback=no",
                                        "--sub-auto=no", // the draft is Cuedeck's to show
                                        "--volume-max=100"};
    // mpv keeps some 10 MB of a tip's freed buffers once it has changed tips
    // (glibc's threshold for giving memory back grows with the first large
    // free) and uses them again for the next tip; it does not grow further.
    // A fixed MALLOC_MMAP_THRESHOLD_ gives them back, but each change of tip
    // then takes five times as long (10 ms against 49 ms, with a seek), so
    // the player keeps them.
    return {std::move(socket), std::move(program), std::move(problem)};
}

MpvBackend::MpvBackend(MpvLocation location)
    : m_location(std::move(location)), m_protocol(std::make_unique<MpvProtocol>())
{
}

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
    m_protocol = std::make_unique<MpvProtocol>();
    m_places_told = 0;
    m_moving = false;
    m_asked_if_there.reset();
    m_built.reset();
    m_boost = 0;
    // Replies are of interest, when a file began to load and was loaded,
    // which entries mpv could not play, when a seek has ended, and what the
    // window shows; other events would pile up between ticks.
    Budget budget(*this);
    std::vector<Json> calls = {
        ipc("disable_event", "all"),        ipc("enable_event", "start-file"),
        ipc("enable_event", "file-loaded"), ipc("enable_event", "end-file"),
        ipc("enable_event", "seek"),        ipc("enable_event", "playback-restart")};
    for (std::size_t i = 0; i < std::size(told_properties); ++i)
        calls.push_back(ipc("observe_property", i + 1, told_properties[i]));
    Calls::all(*this, calls);
    return m_socket.is_open();
}

bool MpvBackend::start()
{
    if (m_location.socket_path.empty())
        return false;
    // Ours ends with us, however we end: no player left playing unseen.
    m_started = spawn_detached(start_arguments(), Lifetime::EndsWithUs);
    return m_started.has_value();
}

void MpvBackend::abandon_start()
{
    if (m_started)
        m_started->end(quit_grace);
    m_started.reset();
}

bool MpvBackend::heard_from_since_timeout()
{
    // A player that let a request time out has not answered since: ask it
    // nothing more until it says something, so that a hung player costs the
    // window one wait rather than one for every question of every tick.
    hear();
    return !m_unresponsive;
}

void MpvBackend::hear()
{
    std::string received;
    for (int read = 0; read < most_reads_per_look && m_socket.is_open(); ++read) {
        received.clear();
        if (m_socket.receive(received, Clock::now()) != UnixSocket::Status::Ok)
            return;
        take_in(received);
    }
}

void MpvBackend::take_in(std::string_view bytes)
{
    m_protocol->feed(bytes);
    const auto now = Clock::now();
    m_heard_at = now;
    m_unresponsive = false;
    m_asked_if_there.reset();
    if (m_protocol->places_told() != m_places_told) {
        m_places_told = m_protocol->places_told();
        m_place_told_at = now;
    }
    const auto flag = [&](const char* property) {
        const Json* told = m_protocol->told(property);
        return told != nullptr && told->is_boolean() && told->get<bool>();
    };
    const bool moving = !flag("idle-active") && !flag("pause") && !flag("eof-reached") &&
                        !flag("seeking") && m_protocol->told("time-pos") != nullptr;
    if (moving && !m_moving)
        m_place_at_start_ms = seconds_to_ms(*m_protocol->told("time-pos"));
    m_moving = moving;
}

std::vector<MpvBackend::Calls::Answer> MpvBackend::Calls::all(MpvBackend& mpv,
                                                              const std::vector<Json>& commands)
{
    std::vector<Answer> results(commands.size());
    // Any early return below leaves questions unanswered.
    const bool missed_before = mpv.m_missed;
    mpv.m_missed = true;
    if (!mpv.m_socket.is_open() || (mpv.m_unresponsive && !mpv.heard_from_since_timeout()))
        return results;
    const std::int64_t first_id = mpv.m_next_id;
    std::string bytes;
    for (const Json& command : commands)
        bytes += MpvProtocol::encode(mpv.m_next_id++, command);
    if (const auto sent = mpv.m_socket.send_all(bytes, mpv.m_deadline);
        sent != UnixSocket::Status::Ok) {
        mpv.m_unresponsive = sent == UnixSocket::Status::TimedOut;
        return results;
    }

    std::string received;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const std::int64_t id = first_id + static_cast<std::int64_t>(i);
        std::optional<MpvProtocol::Reply> reply;
        while (!(reply = mpv.m_protocol->take(id))) {
            received.clear();
            const auto status = mpv.m_socket.receive(received, mpv.m_deadline);
            if (status != UnixSocket::Status::Ok) {
                mpv.m_unresponsive = status == UnixSocket::Status::TimedOut;
                return results;
            }
            mpv.take_in(received);
        }
        if (reply->success)
            results[i] = std::move(reply->data);
    }
    mpv.m_missed = missed_before;
    return results;
}

int MpvBackend::get_int(const std::string& property)
{
    return int_of(Calls::one(*this, ipc("get_property", property)));
}

bool MpvBackend::hand_over(const std::string& path)
{
    Budget budget(*this);
    m_acted = true;
    m_paused_at.reset();
    // The pause flag survives loading; without this the caller's following
    // pause would start playback instead.
    Calls::one(*this, ipc("set_property", "pause", false));
    const std::uint64_t started = m_protocol->files_started();
    if (Calls::one(*this, ipc(is_playlist_name(path) ? "loadlist" : "loadfile", path, "replace"))) {
        wait_until_loaded(0, started);
        build_aids();
    }
    return !m_missed;
}

void MpvBackend::close()
{
    Budget budget(*this);
    // A player we started but lost touch with is still ended with us.
    if (!m_socket.is_open() && !m_location.socket_path.empty())
        m_socket.connect(m_location.socket_path);
    const bool confirmed = Calls::one(*this, ipc("quit")).has_value();
    m_socket.close();
    // A player of ours that does not confirm, or does not end after all
    // (stopped, hung), is ended; one the user started is never signalled.
    if (m_started && (!confirmed || !m_started->ended_within(quit_grace)))
        m_started->end(quit_grace);
    m_started.reset();
}

} // namespace cuedeck

// The place the window is told between mpv's reports, against a stand-in
// for mpv whose every word the test writes.
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

#include "player/mpv/mpv_backend.h"
#include "player/mpv/mpv_protocol.h"
#include "support/temp_dir.h"

namespace cuedeck::testing {
namespace {

/// mpv at a socket, scripted: every command succeeds with no data, and it
/// tells of a property's change when the test says so.
class ScriptedMpv
{
public:
    explicit ScriptedMpv(const std::string& path) : m_listener(::socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        if (::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            ::listen(m_listener, 1);
        m_serving = std::thread([this] { serve(); });
    }
    ~ScriptedMpv()
    {
        m_ending = true;
        m_serving.join();
        ::close(m_client);
        ::close(m_listener);
    }
    ScriptedMpv(const ScriptedMpv&) = delete;
    ScriptedMpv& operator=(const ScriptedMpv&) = delete;

    void tell(const std::string& property, const Json& value)
    {
        say(Json{{"event", "property-change"}, {"name", property}, {"data", value}});
    }

private:
    void serve()
    {
        while (!m_ending && m_client < 0) {
            pollfd listening{m_listener, POLLIN, 0};
            if (::poll(&listening, 1, 10) > 0)
                m_client = ::accept(m_listener, nullptr, nullptr);
        }
        std::string heard;
        while (!m_ending) {
            pollfd told{m_client, POLLIN, 0};
            if (::poll(&told, 1, 10) <= 0)
                continue;
            char bytes[4096];
            const ssize_t count = ::read(m_client, bytes, sizeof bytes);
            if (count <= 0)
                return;
            heard.append(bytes, std::size_t(count));
            for (auto end = heard.find('\n'); end != std::string::npos; end = heard.find('\n')) {
                const Json command = Json::parse(heard.substr(0, end), nullptr, false);
                heard.erase(0, end + 1);
                if (command.is_object() && command.contains("request_id"))
                    say(Json{{"request_id", command["request_id"]}, {"error", "success"}});
            }
        }
    }
    void say(const Json& message)
    {
        const std::string line = message.dump() + "\n";
        const std::lock_guard<std::mutex> saying(m_saying);
        (void)!::write(m_client, line.data(), line.size());
    }

    int m_listener;
    std::atomic<int> m_client{-1};
    std::atomic<bool> m_ending{false};
    std::mutex m_saying;
    std::thread m_serving;
};

/// Ask the backend until its status meets `met`; that status, or none
/// within a deadline generous for a loaded machine.
std::optional<PlayerStatus> status_once(MpvBackend& backend,
                                        const std::function<bool(const PlayerStatus&)>& met)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        if (auto status = backend.status(); status && met(*status))
            return status;
        std::this_thread::yield();
    }
    return std::nullopt;
}

TEST(MpvToldPlace, RunsOnOnlyOnceMpvHasToldItMovingAfterAPlayBegan)
{
    TempDir dir;
    ScriptedMpv mpv(dir.path() + "mpv.sock");
    MpvBackend backend({dir.path() + "mpv.sock", {"mpv"}});
    ASSERT_TRUE(backend.find());
    // Paused at 2 s, and a while later played: mpv's output takes a moment
    // to start before mpv tells of its place again.
    const std::pair<const char*, Json> paused[] = {
        {"idle-active", false},      {"playlist-count", 1},
        {"playlist-pos", 0},         {"duration", 12.0},
        {"time-pos", 2.0},           {"pause", true},
        {"eof-reached", false},      {"volume", 100},
        {"current-ao", "pulse"},     {"current-tracks/audio/id", 1},
        {"path", "/music/tip.wav"},  {"media-title", "tip"},
        {"playlist", Json::array()}, {"speed", 1.0},
        {"seeking", false}};
    for (const auto& [property, value] : paused)
        mpv.tell(property, value);
    ASSERT_TRUE(status_once(backend, [](const PlayerStatus& s) { return s.position_ms == 2000; }));
    std::this_thread::sleep_for(MpvBackend::silence_allowance); // the pause lasts
    mpv.tell("pause", false);
    const auto started = status_once(
        backend, [](const PlayerStatus& s) { return s.play_state == play_state::playing; });
    ASSERT_TRUE(started);
    EXPECT_EQ(started->position_ms, 2000) << "run on before mpv's place moved";

    // Told moving: from its report on, the place runs on at the speed played.
    const auto told_at = std::chrono::steady_clock::now();
    mpv.tell("time-pos", 2.05);
    const auto moving =
        status_once(backend, [](const PlayerStatus& s) { return s.position_ms >= 2050; });
    const auto since = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - told_at);
    ASSERT_TRUE(moving);
    EXPECT_LE(moving->position_ms, 2050 + since.count() + 1);
    EXPECT_TRUE(status_once(backend, [](const PlayerStatus& s) { return s.position_ms > 2050; }))
        << "not run on between reports";
}

} // namespace
} // namespace cuedeck::testing

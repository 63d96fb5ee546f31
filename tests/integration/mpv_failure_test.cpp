#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "control/run/command_bodies.h"
#include "control/session/session.h"
#include "mpv_fixture.h"
#include "player/mpv/socket_location.h"
#include "support/fake_session_window.h"
#include "system/posix_system.h"

namespace cuedeck::testing {
namespace {

using Clock = std::chrono::steady_clock;
using ::testing::DoubleNear;

/// How long `action` took.
template <typename Action> Clock::duration timed(Action action)
{
    const auto start = Clock::now();
    action();
    return Clock::now() - start;
}

using MpvFailure = MpvControllerTest;

/// Waits as the window's timer does between the looks for a started player.
void really_wait(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

TEST_F(MpvFailure, AKilledPlayerChangesNoPlaceAndANewOneIsFoundByTheNextCommand)
{
    load_playlist();
    go_to(1, 2);
    const auto history = state().history.count();
    mpv.kill(SIGKILL);
    controller.tick();
    run_command(controller, Command::Zero);
    EXPECT_FALSE(controller.player_connected());
    EXPECT_EQ(state().current_tip, 1);
    EXPECT_EQ(state().zero_mark, 2000);
    EXPECT_EQ(state().history.count(), history);
    EXPECT_EQ(view.field(FieldId::Playing), "1 of 0   ");

    HeadlessMpv again(mpv.socket_path());
    ASSERT_TRUE(again.wait_until_listening());
    load_playlist();
    EXPECT_TRUE(controller.player_connected());
    EXPECT_EQ(backend.request(PlayerRequest::PlaylistLength, 0), 3);
    // The player the zero command started meanwhile ends with the run, whichever
    // of the two took the socket (the other is the test's own).
    controller.shut_down(WindowEnding::DefaultClose);
    EXPECT_LE(processes_running_with(mpv.socket_path()), 1);
}

TEST_F(MpvFailure, AStoppedPlayerCostsEachRequestAtMostTheBudget)
{
    load_playlist();
    go_to(1, 2);
    mpv.signal(SIGSTOP);
    // Generous margins: the bound is what matters, not the speed.
    const auto one_request =
        timed([&] { EXPECT_EQ(backend.request(PlayerRequest::PlaylistLength, 0), std::nullopt); });
    EXPECT_LT(one_request, std::chrono::seconds(2));
    // Having let one request time out, it is not waited for again.
    const auto command = timed([&] {
        run_command(controller, Command::PlayPause);
        controller.tick();
    });
    EXPECT_LT(command, std::chrono::milliseconds(400));
    EXPECT_TRUE(controller.player_connected()); // hung, not dead
    mpv.signal(SIGCONT);
}

/// A session on the real player, as the window runs it: ticks and keys.
struct MpvSession : MpvControllerTest
{
    void SetUp() override
    {
        MpvControllerTest::SetUp();
        session.attach(view, window);
        session.controller().connect_player();
        session.controller().open_playlist(recordings.playlist);
        session.controller().go_to(1, 1);
        session.tick();
    }
    /// The longest that one of the window's steps took.
    template <typename... Steps> Clock::duration longest(Steps... steps)
    {
        return std::max({timed(steps)...});
    }
    /// The window's ticks for `milliseconds` of its time (not waited for).
    void ticks_for(int milliseconds)
    {
        for (int passed = 0; passed < milliseconds;
             passed += std::max(session.tick_period_ms(), Session::following_period_ms))
            session.tick();
    }
    /// Tick until the window no longer says the player is not answering.
    void resume()
    {
        EXPECT_TRUE(eventually([&] {
            session.tick();
            return view.field(FieldId::DeviceState).empty();
        })) << view.field(FieldId::DeviceState);
    }

    FakeSessionWindow window;
    Session session{backend, system, [](const std::function<void()>&) {}};
};

TEST_F(MpvSession, AStoppedPlayerNeverHoldsTheWindowAndAKeyWaitsForIt)
{
    mpv.signal(SIGSTOP);
    const auto step = longest(
        [&] { session.tick(); }, [&] { session.carry_out_in_window(Command::Forward5Seconds); },
        [&] { session.tick(); }, [&] { session.position_now(); },
        [&] { session.carry_out_in_window(Command::Forward5Seconds); }, [&] { session.tick(); });
    // Generous margins: the bound is what matters, not the speed.
    EXPECT_LT(step, std::chrono::milliseconds(250));
    EXPECT_EQ(view.field(FieldId::DeviceState), "mpv is not answering: waiting for it");
    EXPECT_EQ(view.field(FieldId::Position), "0:01"); // what it last told
    EXPECT_EQ(session.tick_period_ms(), Session::following_period_ms);

    // Going on, the player carries out both keys, in order, once.
    mpv.signal(SIGCONT);
    resume();
    EXPECT_THAT(position(), DoubleNear(11.0, 0.3));
    EXPECT_EQ(session.controller().state().current_tip, 1);
}

TEST_F(MpvSession, AKeyThatWaitedTooLongIsRefusedAndTold)
{
    mpv.signal(SIGSTOP);
    session.carry_out_in_window(Command::Forward5Seconds);
    ticks_for(Session::held_at_most_ms + Session::second_ms);
    EXPECT_EQ(view.field(FieldId::DeviceState), "Not carried out: mpv did not answer in time");
    mpv.signal(SIGCONT);
    ASSERT_TRUE(eventually([&] { return session.controller().player_answers(); }));
    session.tick();
    EXPECT_THAT(position(), DoubleNear(1.0, 0.1));
    // Answering again, the player takes the refusal's notice with it no sooner than others.
    EXPECT_EQ(view.field(FieldId::DeviceState), "Not carried out: mpv did not answer in time");
}

TEST_F(MpvFailure, LateRepliesAreNotTakenForLaterAnswers)
{
    load_playlist();
    go_to(1, 2);
    mpv.signal(SIGSTOP);
    EXPECT_EQ(backend.request(PlayerRequest::PlaylistLength, 0), std::nullopt); // times out
    mpv.signal(SIGCONT);
    // The late answer (3 entries) arrives now; the index must never take it.
    std::optional<int> index;
    eventually([&] {
        index = backend.request(PlayerRequest::PlaylistIndex, 0);
        EXPECT_NE(index, 3);
        return index == 1 || index == 3;
    });
    EXPECT_EQ(index, 1);
    EXPECT_EQ(backend.request(PlayerRequest::PlaylistLength, 0), 3);
}

TEST_F(MpvFailure, ClosingQuitsThePlayer)
{
    load_playlist();
    backend.close();
    EXPECT_TRUE(eventually([&] {
        UnixSocket socket;
        return !socket.connect(mpv.socket_path());
    }));
    EXPECT_FALSE(controller.player_connected());
}

/// A controller driving the player it started itself, found once it listens.
struct OwnPlayer
{
    OwnPlayer()
    {
        controller.connect_player();
        view.run_player_looks(controller, really_wait);
    }
    TempDir dir;
    const std::string socket = dir.path() + "mpv.sock";
    MpvBackend backend{{socket, headless_mpv_program()}};
    FakeView view;
    FakeSystem system;
    Controller controller{view, backend, system};
};

TEST(MpvDiscovery, APlayerThatDiedIsReplacedOnceAndNoneOutlivesTheRun)
{
    OwnPlayer run;
    auto& [dir, socket, backend, view, system, controller] = run;
    TestRecordings recordings(dir, 3);
    ASSERT_TRUE(controller.player_connected());
    UnixSocket probe;
    ASSERT_TRUE(probe.connect(socket));
    probe.send_all("{\"command\":[\"quit\",9]}\n", UnixSocket::Clock::now() + test_deadline());
    ASSERT_TRUE(process_gone(socket)); // the player is gone, as after a crash

    for (int i = 0; i < 3; ++i) {
        controller.open_music_file(recordings.tracks[static_cast<std::size_t>(i)]);
        view.run_player_looks(controller, really_wait);
    }
    EXPECT_EQ(processes_running_with(socket), 1);
    EXPECT_EQ(MpvProbe(socket).number("playlist-count"), 1);
    controller.shut_down(WindowEnding::DefaultClose);
    EXPECT_TRUE(process_gone(socket));
}

TEST(MpvDiscovery, AStoppedPlayerOfOursIsEndedAtTheCloseAndTheUsersOwnIsNot)
{
    // Given the player Cuedeck started, then stopped with SIGSTOP.
    OwnPlayer run;
    auto& [dir, socket, backend, view, system, controller] = run;
    ASSERT_TRUE(controller.player_connected());
    const auto pid = static_cast<pid_t>(MpvProbe(socket).number("pid"));
    ASSERT_GT(pid, 0);
    ::kill(pid, SIGSTOP);
    controller.shut_down(WindowEnding::DefaultClose);
    const bool gone = process_gone(socket);
    if (!gone)
        ::kill(pid, SIGKILL); // leave no stopped player behind a failure
    EXPECT_TRUE(gone);

    // One the user started, stopped the same way, is left alone.
    HeadlessMpv users(dir.path() + "users.sock");
    ASSERT_TRUE(users.wait_until_listening());
    MpvBackend finds({users.socket_path(), headless_mpv_program()});
    Controller other(view, finds, system);
    other.connect_player();
    ASSERT_TRUE(other.player_connected());
    users.signal(SIGSTOP);
    other.shut_down(WindowEnding::DefaultClose);
    EXPECT_TRUE(process_running_with(users.socket_path()));
}

TEST(MpvPlaylists, OnlyLocalFilesReachThePlayerAndNothingIsFetched)
{
    // Given a listener on this machine that a URL in a list would reach.
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
    const std::string url =
        "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/x.wav";

    TempDir dir;
    TestRecordings recordings(dir, 3);
    const std::string web = dir.write("web.m3u", "#EXTM3U\none.wav\n" + url + "\n");
    const std::string disguised = dir.write("talk.wav", "#EXTM3U\n" + url + "\n");
    const std::string hidden = dir.write("hidden.m3u", "three.wav\ntalk.wav\n");
    const std::string relative = dir.write("relative.m3u", "one.wav\n./three.wav\n");
    HeadlessMpv mpv(dir.path() + "mpv.sock");
    ASSERT_TRUE(mpv.wait_until_listening());
    MpvBackend backend({mpv.socket_path(), headless_mpv_program()});
    FakeView view;
    PosixSystem system({"cuedeck"});
    Controller controller(view, backend, system);
    controller.connect_player();
    controller.open_playlist(web);
    controller.open_music_file(disguised);
    controller.open_playlist(hidden);
    controller.open_playlist(relative);
    EXPECT_THAT(view.messages, ::testing::ElementsAre(
                                   "Cannot play " + web + "\n(line 3 names " + url +
                                       ": it is not a file on this computer)",
                                   "Cannot play " + disguised + "\n(it is text, not a recording)",
                                   "Cannot play " + hidden +
                                       "\n(line 2 names talk.wav: it is text, not a recording)"));
    EXPECT_EQ(MpvProbe(mpv.socket_path()).number("playlist-count"), 2);
    pollfd asked{listener, POLLIN, 0};
    EXPECT_EQ(::poll(&asked, 1, 500), 0) << "the player was sent to the URL";
    ::close(listener);
}

TEST(MpvDiscovery, NobodyListeningMeansNoPlayer)
{
    TempDir dir;
    MpvBackend backend({dir.path() + "mpv.sock", headless_mpv_program()});
    EXPECT_FALSE(backend.find());
    dir.write("mpv.sock", ""); // a plain file where the socket would be
    EXPECT_FALSE(backend.find());
}

TEST(MpvDiscovery, StartedPlayerIsFoundByConnectPlayer)
{
    TempDir dir;
    MpvBackend backend({dir.path() + "mpv.sock", headless_mpv_program()});
    FakeView view;
    FakeSystem system;
    Controller controller(view, backend, system);
    controller.connect_player();
    EXPECT_FALSE(controller.player_connected()); // nothing waited for yet
    view.run_player_looks(controller, really_wait);
    EXPECT_TRUE(controller.player_connected());
    EXPECT_TRUE(view.messages.empty());
    backend.close();
}

TEST(MpvDiscovery, AStartedPlayerThatNeverListensIsEnded)
{
    // A "player" that starts but never opens its socket; its odd sleep time
    // finds it among the processes.
    TempDir dir;
    const std::string marker = "3599." + std::to_string(::getpid());
    MpvBackend backend({dir.path() + "mpv.sock", {"/bin/sh", "-c", "exec sleep " + marker, "sh"}});
    FakeView view;
    FakeSystem system;
    Controller controller(view, backend, system);
    controller.connect_player();
    view.run_player_looks(controller, [](int) {}); // the 100 looks pass without waiting
    EXPECT_FALSE(controller.player_connected());
    EXPECT_TRUE(view.messages.empty());

    EXPECT_TRUE(process_gone(marker));
}

TEST(MpvDiscovery, AMissingProgramGivesTheMessage)
{
    TempDir dir;
    MpvBackend backend({dir.path() + "mpv.sock", {"/nonexistent/mpv"}});
    FakeView view;
    FakeSystem system;
    Controller controller(view, backend, system);
    controller.connect_player();
    controller.connect_player();
    EXPECT_THAT(view.messages,
                ::testing::ElementsAre("mpv is not installed: install the package mpv"));
}

TEST(MpvSocketPath, IsMadePrivateAndRefusedWhenOthersCanEnter)
{
    TempDir dir;
    const auto path = socket_path_in(prepare_runtime_folder(dir.path() + "run", true), "mpv.sock");
    EXPECT_EQ(path, dir.path() + "run/cuedeck/mpv.sock");
    struct stat info
    {
    };
    ASSERT_EQ(::stat((dir.path() + "run/cuedeck").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    ::chmod((dir.path() + "run/cuedeck").c_str(), 0755);
    EXPECT_EQ(prepare_runtime_folder(dir.path() + "run", true).problem,
              "The folder " + dir.path() + "run/cuedeck is open to other users");

    // A symbolic link planted in place of the directory is refused too.
    std::filesystem::create_directories(dir.path() + "other/real");
    ::chmod((dir.path() + "other").c_str(), 0700);
    std::filesystem::create_directory_symlink(dir.path() + "other/real",
                                              dir.path() + "other/cuedeck");
    EXPECT_EQ(prepare_runtime_folder(dir.path() + "other", false).problem,
              "The folder " + dir.path() + "other/cuedeck is not a folder (it may be a link)");

    EXPECT_EQ(socket_path_in(prepare_runtime_folder(dir.path() + std::string(120, 'x'), true),
                             "mpv.sock"),
              "");
}

TEST(MpvSocketPath, AnUnusableFolderIsNamedInsteadOfTheMissingPlayer)
{
    MpvBackend backend({"", {"mpv"}, "The folder /run/user/1/cuedeck belongs to another user"});
    FakeView view;
    FakeSystem system;
    Controller controller(view, backend, system);
    controller.connect_player();
    EXPECT_THAT(view.messages,
                ::testing::ElementsAre("The folder /run/user/1/cuedeck belongs to another user"));
}

} // namespace
} // namespace cuedeck::testing

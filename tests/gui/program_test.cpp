// The installed program as a user's desktop runs it: its own process, its
// own mpv, ended from outside.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/headless_mpv.h"

namespace cuedeck::testing {
namespace {

/// The program started on the offscreen platform with a home, config and
/// runtime folder of its own; killed if a test leaves it running.
class Program
{
public:
    Program(const TempDir& dir, const std::vector<std::string>& arguments)
    {
        std::vector<std::string> environment = {
            "QT_QPA_PLATFORM=offscreen", "HOME=" + dir.path() + "home",
            "XDG_CONFIG_HOME=" + dir.path() + "config", "XDG_RUNTIME_DIR=" + runtime(dir),
            "PATH=" + std::string(std::getenv("PATH"))};
        std::vector<std::string> argv_text = {CUEDECK_PROGRAM};
        argv_text.insert(argv_text.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& argument : argv_text)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (auto& variable : environment)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
        if (::posix_spawn(&m_pid, CUEDECK_PROGRAM, nullptr, nullptr, argv.data(), envp.data()) != 0)
            m_pid = 0;
    }
    ~Program()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    static std::string runtime(const TempDir& dir)
    {
        const std::string folder = dir.path() + "run";
        std::filesystem::create_directory(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        return folder;
    }
    static std::string socket(const TempDir& dir) { return runtime(dir) + "/cuedeck/mpv.sock"; }

    bool running() const { return m_pid > 0; }
    void signal(int number) const
    {
        if (m_pid > 0)
            ::kill(m_pid, number);
    }
    /// The exit status once it ended by itself within `tries` × 10 ms.
    std::optional<int> wait_for_exit(int tries = 1000)
    {
        for (int i = 0; i < tries; ++i) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return std::nullopt;
    }

private:
    pid_t m_pid = 0;
};

bool player_listens(const TempDir& dir)
{
    UnixSocket socket;
    for (int i = 0; i < 1000 && !socket.connect(Program::socket(dir)); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return socket.is_open();
}

TEST(Program, EndsOnTerminationSignalsWithThePlayerClosedAndTheSettingsWritten)
{
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        TempDir dir;
        const std::string group = dir.write("my group.grp", "/music/none.m3u\n2\n0:03\n");
        Program program(dir, {group});
        ASSERT_TRUE(program.running());
        ASSERT_TRUE(player_listens(dir)) << "the program did not start mpv";

        program.signal(number);
        EXPECT_EQ(program.wait_for_exit(), 0) << "signal " << number;
        EXPECT_TRUE(process_gone(Program::socket(dir))) << "mpv still runs";
        EXPECT_EQ(TempDir::read(dir.path() + "config/cuedeck/cuedeck.dat")
                      .substr(0, 9 + group.size() + 1),
                  "Openfile\n" + group + "\n");
        EXPECT_EQ(TempDir::read(group), "/music/none.m3u\n2\n0:03\n"); // left as it was
    }
}

TEST(Program, ASecondStartHandsItsFileToTheRunningCopyAndEnds)
{
    TempDir dir;
    TestRecordings recordings(dir, 3);
    ASSERT_TRUE(recordings.ok);
    const std::string first_group = dir.write("one.grp", recordings.playlist + "\n2\n0:01\n");
    const std::string second_group =
        dir.write("two & <b>more</b>.grp", recordings.playlist + "\n3\n0:02\n");
    Program first(dir, {first_group});
    ASSERT_TRUE(player_listens(dir));
    MpvProbe probe(Program::socket(dir));
    ASSERT_TRUE(probe.wait_for_number("playlist-pos", 1));

    Program second(dir, {second_group});
    EXPECT_EQ(second.wait_for_exit(), 0);
    EXPECT_TRUE(probe.wait_for_number("playlist-pos", 2));
    EXPECT_EQ(processes_running_with(Program::socket(dir)), 1);
    first.signal(SIGTERM);
    EXPECT_EQ(first.wait_for_exit(), 0);
    EXPECT_TRUE(process_gone(Program::socket(dir)));
}

TEST(Program, TwoStartsAtTheSameMomentMakeOneCopyWithOnePlayer)
{
    TempDir dir;
    const std::string group = dir.write("one.grp", "/music/none.m3u\n1\n0:00\n");
    Program one(dir, {group});
    Program two(dir, {group});
    std::optional<int> ended;
    for (int i = 0; i < 1000 && !ended; ++i)
        ended = i % 2 == 0 ? one.wait_for_exit(1) : two.wait_for_exit(1);
    EXPECT_EQ(ended, 0);
    ASSERT_TRUE(player_listens(dir));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(processes_running_with(Program::socket(dir)), 1);
    EXPECT_TRUE(one.running() != two.running());
    one.signal(SIGTERM);
    two.signal(SIGTERM);
}

} // namespace
} // namespace cuedeck::testing

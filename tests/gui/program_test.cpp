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

    static std::string runtime(const TempDir& dir) { return dir.path() + "run"; }
    static std::string socket(const TempDir& dir) { return runtime(dir) + "/cuedeck/mpv.sock"; }

    bool running() const { return m_pid > 0; }
    void signal(int number) const { ::kill(m_pid, number); }
    /// The exit status once it ended by itself within ten seconds.
    std::optional<int> wait_for_exit()
    {
        for (int i = 0; i < 1000; ++i) {
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

TEST(Program, EndsOnTerminationSignalsWithThePlayerClosedAndTheSettingsWritten)
{
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        TempDir dir;
        std::filesystem::create_directory(Program::runtime(dir));
        std::filesystem::permissions(Program::runtime(dir), std::filesystem::perms::owner_all);
        const std::string group = dir.write("my group.grp", "/music/none.m3u\n2\n0:03\n");
        Program program(dir, {group});
        ASSERT_TRUE(program.running());
        UnixSocket socket;
        for (int i = 0; i < 1000 && !socket.connect(Program::socket(dir)); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_TRUE(socket.is_open()) << "the program did not start mpv";

        program.signal(number);
        EXPECT_EQ(program.wait_for_exit(), 0) << "signal " << number;
        EXPECT_TRUE(process_gone(Program::socket(dir))) << "mpv still runs";
        EXPECT_EQ(TempDir::read(dir.path() + "config/cuedeck/cuedeck.dat")
                      .substr(0, 9 + group.size() + 1),
                  "Openfile\n" + group + "\n");
        EXPECT_EQ(TempDir::read(group), "/music/none.m3u\n2\n0:03\n"); // left as it was
    }
}

} // namespace
} // namespace cuedeck::testing

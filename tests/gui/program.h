#pragma once

// The program itself in a process of its own, as a user's desktop runs it.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/headless_mpv.h"

namespace cuedeck::testing {

/// The program started on the offscreen platform with a home, config and
/// runtime folder of its own; killed if a test leaves it running.
class Program
{
public:
    /// `session_bus`: on the test's D-Bus session bus (none otherwise);
    /// `on_display`: on the test's X display, where keys can reach it;
    /// `program`: another build of it.
    Program(const TempDir& dir, const std::vector<std::string>& arguments, bool session_bus = false,
            bool on_display = false, const std::string& program = CUEDECK_PROGRAM)
    {
        const char* display = std::getenv("DISPLAY");
        std::vector<std::string> environment = {on_display && display != nullptr
                                                    ? "DISPLAY=" + std::string(display)
                                                    : "QT_QPA_PLATFORM=offscreen",
                                                "HOME=" + dir.path() + "home",
                                                "XDG_CONFIG_HOME=" + dir.path() + "config",
                                                "XDG_STATE_HOME=" + dir.path() + "state",
                                                "XDG_RUNTIME_DIR=" + runtime(dir),
                                                "PATH=" + std::string(std::getenv("PATH"))};
        if (const char* authority = std::getenv("XAUTHORITY"); on_display && authority != nullptr)
            environment.push_back("XAUTHORITY=" + std::string(authority));
        const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
        if (session_bus && bus != nullptr)
            environment.push_back("DBUS_SESSION_BUS_ADDRESS=" + std::string(bus));
        std::vector<std::string> argv_text = {program};
        argv_text.insert(argv_text.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& argument : argv_text)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (auto& variable : environment)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
        if (::posix_spawn(&m_pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
            m_pid = 0;
    }
    ~Program()
    {
        // Ended as a logout ends it, so that it takes its mpv along; killed
        // if it does not end.
        signal(SIGTERM);
        if (m_pid > 0 && !wait_for_exit()) {
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
    pid_t pid() const { return m_pid; }
    void signal(int number) const
    {
        if (m_pid > 0)
            ::kill(m_pid, number);
    }
    /// The exit status (128 + the signal for one ended by a signal) once it
    /// has ended by itself, within the tests' deadline.
    std::optional<int> wait_for_exit()
    {
        std::optional<int> ended;
        eventually([&] { return (ended = exited_now()).has_value(); });
        return ended;
    }
    /// The exit status if it has ended by now.
    std::optional<int> exited_now()
    {
        int status = 0;
        if (m_pid <= 0 || ::waitpid(m_pid, &status, WNOHANG) != m_pid)
            return std::nullopt;
        m_pid = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    pid_t m_pid = 0;
};

inline bool player_listens(const TempDir& dir)
{
    return eventually([&] { return UnixSocket().connect(Program::socket(dir)); });
}

} // namespace cuedeck::testing

#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "player/mpv/mpv_backend.h"
#include "player/mpv/unix_socket.h"
#include "support/deadline.h"
#include "support/temp_dir.h"

extern char** environ;

namespace cuedeck::testing {

/// mpv without sound device or window, at its own socket. Without the null
/// audio output's small buffer mpv would race through a list in milliseconds.
inline std::vector<std::string> headless_mpv_program()
{
    return {"mpv",
            "--no-config",
            "--idle=yes",
            "--keep-open=yes",
            "--ao=null",
            "--ao-null-buffer=0.02",
            "--vo=null",
            "--no-terminal",
            "--volume-max=100"};
}

/// How many running processes hold `marker` in their command line (zombies,
/// whose command line is empty, are not counted).
inline int processes_running_with(const std::string& marker)
{
    int count = 0;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", ignored)) {
        std::ifstream file(entry.path() / "cmdline", std::ios::binary);
        const std::string line((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
        if (line.find(marker) != std::string::npos)
            ++count;
    }
    return count;
}

inline bool process_running_with(const std::string& marker)
{
    return processes_running_with(marker) > 0;
}

/// Whether such a process is gone within the tests' deadline.
inline bool process_gone(const std::string& marker)
{
    return eventually([&] { return !process_running_with(marker); });
}

/// A headless mpv child of the test, killed at the end.
class HeadlessMpv
{
public:
    /// `more` follows the usual arguments (a later option wins in mpv), a
    /// file to open last.
    explicit HeadlessMpv(std::string socket_path, const std::vector<std::string>& more = {})
        : m_socket_path(std::move(socket_path))
    {
        MpvBackend arguments_from({m_socket_path, headless_mpv_program()});
        std::vector<std::string> arguments = arguments_from.start_arguments();
        arguments.insert(arguments.end(), more.begin(), more.end());
        std::vector<char*> argv;
        for (auto& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&m_pid, "mpv", &actions, nullptr, argv.data(), environ) != 0)
            m_pid = 0;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~HeadlessMpv() { kill(SIGKILL); }
    HeadlessMpv(const HeadlessMpv&) = delete;
    HeadlessMpv& operator=(const HeadlessMpv&) = delete;

    /// True once the socket accepts connections (within the tests' deadline).
    bool wait_until_listening() const
    {
        return m_pid > 0 && eventually([&] {
                   UnixSocket probe;
                   return probe.connect(m_socket_path);
               });
    }

    /// Send a signal; for SIGSTOP, return once the process has stopped.
    void signal(int number) const
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, number);
        if (number != SIGSTOP)
            return;
        eventually(
            [&] {
                std::ifstream stat("/proc/" + std::to_string(m_pid) + "/stat");
                std::string pid, name, state;
                stat >> pid >> name >> state; // mpv's name holds no blanks
                return state == "T" || state == "t";
            },
            std::chrono::milliseconds(1));
    }

    /// Wait until it has ended by itself (after a quit).
    void wait_for_end() { kill(0); }

    void kill(int number)
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGCONT);
        ::kill(m_pid, number);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = 0;
    }

    const std::string& socket_path() const { return m_socket_path; }

private:
    std::string m_socket_path;
    pid_t m_pid = 0;
};

/// A second IPC client that reads mpv's state behind the program's back.
/// (Its JSON stays in mpv_probe.cpp, out of every test that includes this.)
class MpvProbe
{
public:
    explicit MpvProbe(const std::string& socket_path);
    ~MpvProbe();

    /// A number property; -1000 when mpv gives none.
    double number(const std::string& property);
    bool flag(const std::string& property);
    /// Any property as its JSON text; empty when mpv gives none.
    std::string text(const std::string& property);
    /// Open a file in mpv, as its own playlist.
    bool load(const std::string& path);
    /// Set a flag, or seek, as another program would, behind the controller's back.
    bool set_flag(const std::string& property, bool value);
    bool seek(double seconds);

    /// Poll until `property` reads `expected` (mpv moves on by itself in
    /// real time); false if it does not within the tests' deadline.
    bool wait_for_number(const std::string& property, double expected)
    {
        return eventually([&] { return number(property) == expected; });
    }

private:
    UnixSocket m_socket;
    std::unique_ptr<MpvProtocol> m_protocol;
    std::int64_t m_next_id = 1;
};

/// A number as sox reads it, whatever the locale.
inline std::string seconds_text(double seconds)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, seconds).ptr;
    return std::string(text, end);
}

/// Short tones made at test time, and a playlist of them.
struct TestRecordings
{
    explicit TestRecordings(const TempDir& dir, double seconds = 12)
    {
        const char* names[] = {"one.wav", "two and blanks.wav", "three.wav"};
        int frequency = 330;
        playlist = dir.path() + "tips.m3u";
        std::string list = "#EXTM3U\n";
        for (const char* name : names) {
            const std::string path = dir.path() + name;
            const std::string command = "sox -q -n -r 44100 -b 16 -c 1 '" + path + "' synth " +
                                        seconds_text(seconds) + " sine " +
                                        std::to_string(frequency);
            frequency += 110;
            if (std::system(command.c_str()) != 0)
                ok = false;
            tracks.push_back(path);
            list += path + "\n";
        }
        dir.write("tips.m3u", list);
    }
    bool ok = true;
    std::string playlist;
    std::vector<std::string> tracks;
};

} // namespace cuedeck::testing

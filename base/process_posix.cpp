#include "base/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include <thread>

extern char** environ;

// The process handles are Linux pidfds, called by number: the C library's
// declarations of them are not usable from C++ on every system we build on.
namespace cuedeck {

std::optional<StartedProgram> spawn_detached(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return std::nullopt;
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd = 0; fd <= 2; ++fd)
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY,
                                         0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);

    pid_t pid = 0;
    const int result = posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0)
        return std::nullopt;
    // Taken before the reaper can free the id.
    StartedProgram program(int(::syscall(SYS_pidfd_open, pid, 0)));

    // Nobody waits for a detached program; reap it so it leaves no zombie.
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return program;
}

StartedProgram& StartedProgram::operator=(StartedProgram&& other) noexcept
{
    if (this != &other) {
        if (m_handle >= 0)
            ::close(m_handle);
        m_handle = other.m_handle;
        other.m_handle = -1;
    }
    return *this;
}

StartedProgram::~StartedProgram()
{
    if (m_handle >= 0)
        ::close(m_handle);
}

bool StartedProgram::ended_within(std::chrono::milliseconds wait) const
{
    if (m_handle < 0)
        return true; // nothing known to end
    pollfd watched{m_handle, POLLIN, 0};
    int ready = 0;
    while ((ready = ::poll(&watched, 1, int(wait.count()))) < 0 && errno == EINTR) {
    }
    return ready != 0;
}

void StartedProgram::signal(int number) const
{
    if (m_handle >= 0)
        ::syscall(SYS_pidfd_send_signal, m_handle, number, nullptr, 0);
}

void StartedProgram::end(std::chrono::milliseconds grace) const
{
    if (ended_within(std::chrono::milliseconds(0)))
        return;
    signal(SIGTERM);
    if (!ended_within(grace)) {
        signal(SIGKILL); // a stopped program does not see SIGTERM until it runs again
        ended_within(grace);
    }
}

} // namespace cuedeck

#include "base/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include <thread>

extern char** environ;

// The process handles are Linux pidfds, called by number: the C library's
// declarations of them are not usable from C++ on every system we build on.
namespace cuedeck {

namespace {

/// fork and exec for a child that is to end with us (posix_spawn cannot ask
/// for that). Everything the child needs is made before the fork: between
/// fork and exec only calls that are safe in a copy of a threaded process.
/// The exec's failure comes back through a pipe that a successful exec closes.
pid_t spawn_ending_with_us(char* const* argv, int in, int out, int errors, int signal_at_our_end,
                           bool lower_priority)
{
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return -1;
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(report[0]);
        ::setsid();
        ::prctl(PR_SET_PDEATHSIG, signal_at_our_end);
        if (::getppid() != parent) // we ended before it could ask
            ::_exit(0);
        // dup2 onto the same number would keep close-on-exec.
        if (lower_priority)
            ::setpriority(PRIO_PROCESS, 0, 10);
        for (const auto& [from, to] : {std::pair{in, 0}, {out, 1}, {errors, 2}}) {
            if (from == to)
                ::fcntl(to, F_SETFD, 0);
            else
                ::dup2(from, to);
        }
        ::execvp(argv[0], argv);
        const int error = errno;
        [[maybe_unused]] const ssize_t told = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    int error = 0;
    ssize_t got = 0;
    while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    if (pid > 0 && got > 0) { // exec failed: the child has ended
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        return -1;
    }
    return pid;
}

std::vector<char*> argv_of(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

void close_fd(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

std::optional<PipedProgram> spawn_piped(const std::vector<std::string>& arguments,
                                        bool lower_priority)
{
    if (arguments.empty())
        return std::nullopt;
    std::vector<char*> argv = argv_of(arguments);
    int output[2] = {-1, -1};
    int errors[2] = {-1, -1};
    const int null_in = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    pid_t pid = -1;
    if (null_in >= 0 && ::pipe2(output, O_CLOEXEC) == 0 && ::pipe2(errors, O_CLOEXEC) == 0)
        pid = spawn_ending_with_us(argv.data(), null_in, output[1], errors[1], SIGKILL,
                                   lower_priority);
    close_fd(output[1]);
    close_fd(errors[1]);
    int in = null_in;
    close_fd(in);
    if (pid < 0) {
        close_fd(output[0]);
        close_fd(errors[0]);
        return std::nullopt;
    }
    for (const int fd : {output[0], errors[0]})
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    return PipedProgram(pid, output[0], errors[0]);
}

PipedProgram::PipedProgram(int id, int output, int errors)
    : m_id(id), m_output(output), m_errors(errors)
{
}

PipedProgram::PipedProgram(PipedProgram&& other) noexcept
    : m_id(std::exchange(other.m_id, -1)), m_output(std::exchange(other.m_output, -1)),
      m_errors(std::exchange(other.m_errors, -1)), m_ended(other.m_ended)
{
}

PipedProgram::~PipedProgram()
{
    if (m_id > 0 && !m_ended)
        finish(true);
    close_fd(m_output);
    close_fd(m_errors);
}

std::optional<PipedProgram::Ended> PipedProgram::ended()
{
    if (m_ended)
        return m_ended;
    int status = 0;
    pid_t got = 0;
    while ((got = ::waitpid(m_id, &status, WNOHANG)) < 0 && errno == EINTR) {
    }
    if (got == m_id)
        m_ended = ended_of(status);
    else if (got < 0)
        m_ended = Ended{};
    return m_ended;
}

PipedProgram::Ended PipedProgram::finish(bool kill_first)
{
    if (m_ended)
        return *m_ended;
    if (kill_first)
        ::kill(m_id, SIGKILL); // not yet reaped: the id is still its own
    int status = 0;
    while (::waitpid(m_id, &status, 0) < 0 && errno == EINTR) {
    }
    m_ended = ended_of(status);
    return *m_ended;
}

void PipedProgram::signal(int number) const
{
    if (m_id > 0 && !m_ended)
        ::kill(m_id, number); // not yet waited for: the id is still its own
}

PipedProgram::Ended PipedProgram::ended_of(int status)
{
    if (WIFSIGNALED(status))
        return {-1, WTERMSIG(status)};
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0};
}

std::optional<StartedProgram> spawn_detached(const std::vector<std::string>& arguments,
                                             Lifetime lifetime)
{
    if (arguments.empty())
        return std::nullopt;
    std::vector<char*> argv = argv_of(arguments);
    pid_t pid = 0;
    if (lifetime == Lifetime::EndsWithUs) {
        const int null_in = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        const int null_out = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        pid = null_in >= 0 && null_out >= 0
                  ? spawn_ending_with_us(argv.data(), null_in, null_out, null_out, SIGTERM, false)
                  : -1;
        for (const int fd : {null_in, null_out}) {
            if (fd >= 0)
                ::close(fd);
        }
        if (pid < 0)
            return std::nullopt;
    } else {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        for (int fd = 0; fd <= 2; ++fd)
            posix_spawn_file_actions_addopen(&actions, fd, "/dev/null",
                                             fd == 0 ? O_RDONLY : O_WRONLY, 0);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
        const int result = posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
        if (result != 0)
            return std::nullopt;
    }
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

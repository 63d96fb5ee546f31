// A recognizer run on a recording's audio: started without a shell, its
// output read as data and bounded, its end told by cause.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <deque>

#include "files/draft_format.h"
#include "files/helper_messages.h"
#include "files/recognizer.h"
#include "helper/jobs.h"

namespace cuedeck::helper {
namespace {

/// The recognizer's process group, ended with it when we are told to end.
volatile sig_atomic_t recognizer_group = 0;

void end_recognizer(int)
{
    if (recognizer_group > 0)
        ::kill(-recognizer_group, SIGKILL);
    ::_exit(1);
}

/// The last lines of the recognizer's error output kept to tell its failure.
constexpr std::size_t kept_lines = 6;
constexpr std::size_t longest_kept_line = 300;

/// Start `command` with its output into `output_fd` and its errors into a
/// pipe; -1 and errno when it could not be started.
pid_t start(char** command, int output_fd, int errors_fd, int& exec_error)
{
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return -1;
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(report[0]);
        ::setpgid(0, 0);                    // its own group, ended whole at a cancel
        ::prctl(PR_SET_PDEATHSIG, SIGKILL); // and it ends with this helper
        if (::getppid() != parent)
            ::_exit(0);
        const int null_in = ::open("/dev/null", O_RDONLY);
        ::dup2(null_in, 0);
        ::dup2(output_fd, 1);
        ::dup2(errors_fd, 2);
        ::execvp(command[0], command);
        const int error = errno;
        [[maybe_unused]] const ssize_t told = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    exec_error = 0;
    ssize_t got = 0;
    while ((got = ::read(report[0], &exec_error, sizeof exec_error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    if (pid > 0 && got > 0) {
        ::waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

} // namespace

int recognize(const std::string& recording, std::int64_t from_ms, std::int64_t length_ms,
              const std::string& wav, const std::string& output, char** command)
{
    if (!made_audio(recording, wav, from_ms, length_ms))
        return 1;
    const int output_fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    int errors[2];
    if (output_fd < 0 || ::pipe2(errors, O_CLOEXEC) != 0) {
        say(failed(Trouble::Unwritable));
        return 1;
    }
    int exec_error = 0;
    struct sigaction ending
    {
    };
    ending.sa_handler = &end_recognizer;
    ::sigaction(SIGTERM, &ending, nullptr);
    const pid_t pid = start(command, output_fd, errors[1], exec_error);
    if (pid > 0) {
        ::setpgid(pid, pid); // as the child does: whichever runs first
        recognizer_group = pid;
    }
    ::close(errors[1]);
    if (pid < 0) {
        say(failed(exec_error == ENOENT || exec_error == EACCES ? Trouble::NotInstalled
                                                                : Trouble::Failed));
        return 1;
    }
    // Its error output, read as it comes: percentages told, the last lines
    // kept, any flood of it dropped a piece at a time.
    std::deque<std::string> last;
    std::string line;
    char bytes[4096];
    int told_percent = -1;
    bool too_much = false;
    for (;;) {
        pollfd watched{errors[0], POLLIN, 0};
        ::poll(&watched, 1, 500);
        const ssize_t got = ::read(errors[0], bytes, sizeof bytes);
        struct stat written
        {
        };
        if (::fstat(output_fd, &written) == 0 &&
            static_cast<std::size_t>(written.st_size) > max_draft_bytes) {
            too_much = true;
            ::kill(pid, SIGKILL);
        }
        if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN))
            break;
        for (ssize_t i = 0; i < got; ++i) {
            const char c = bytes[i];
            if (c != '\n' && c != '\r') {
                if (line.size() < longest_kept_line)
                    line += c;
                continue;
            }
            if (const auto percent = recognizer::percent_in(line);
                percent && *percent != told_percent) {
                told_percent = *percent;
                say(encode({Message::Kind::Percent, 0, *percent, {}}));
            }
            if (!line.empty()) {
                last.push_back(std::move(line));
                if (last.size() > kept_lines)
                    last.pop_front();
            }
            line.clear();
        }
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    ::close(output_fd);
    if (too_much) {
        say(failed(Trouble::TooMuch));
        return 1;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        if (!line.empty())
            last.push_back(line);
        for (const std::string& kept : last)
            std::fprintf(stderr, "%s\n", kept.c_str());
        if (WIFSIGNALED(status))
            std::fprintf(stderr, "(ended by signal %d)\n", WTERMSIG(status));
        else
            std::fprintf(stderr, "(exit code %d)\n", WEXITSTATUS(status));
        say(failed(Trouble::Failed));
        return 1;
    }
    say(encode({Message::Kind::Made, 0, 0, {}}));
    return 0;
}

} // namespace cuedeck::helper

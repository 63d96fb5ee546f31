// A recognizer run on a recording's audio: started without a shell, its
// output read as data and bounded while it is written, its end told by cause.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <optional>
#include <string_view>

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
/// Read of each of its outputs in one turn at most, so that a flood on one
/// holds up neither the other nor the measures.
constexpr std::size_t read_per_turn = std::size_t{256} * 1024;
/// Read of its error output at most once it has ended: a child it left
/// behind may hold it open and go on writing.
constexpr std::size_t read_after_end = std::size_t{64} * 1024;
/// How often the files it writes itself are measured.
constexpr std::chrono::milliseconds measure_every{50};

/// Its standard output, copied into the output file up to the largest
/// draft: it is told too much before the file grows beyond that.
class CopiedOutput
{
public:
    explicit CopiedOutput(int file) : m_file(file) {}
    /// False when `bytes` would make the draft too large, or cannot be written.
    bool take(std::string_view bytes)
    {
        if (m_written + bytes.size() > max_draft_bytes) {
            m_trouble = Trouble::TooMuch;
            return false;
        }
        while (!bytes.empty()) {
            const ssize_t wrote = ::write(m_file, bytes.data(), bytes.size());
            if (wrote < 0 && errno == EINTR)
                continue;
            if (wrote <= 0) {
                m_trouble = Trouble::Unwritable;
                return false;
            }
            m_written += static_cast<std::size_t>(wrote);
            bytes.remove_prefix(static_cast<std::size_t>(wrote));
        }
        return true;
    }
    std::optional<Trouble> trouble() const { return m_trouble; }

private:
    int m_file;
    std::size_t m_written = 0;
    std::optional<Trouble> m_trouble;
};

/// Its error output, read as it comes: percentages told, the last lines
/// kept, any flood of it dropped a piece at a time.
class ErrorLines
{
public:
    bool take(std::string_view bytes)
    {
        for (const char c : bytes) {
            if (c != '\n' && c != '\r') {
                if (m_line.size() < longest_kept_line)
                    m_line += c;
                continue;
            }
            if (const auto percent = recognizer::percent_in(m_line);
                percent && *percent != m_told_percent) {
                m_told_percent = *percent;
                say(encode({Message::Kind::Percent, 0, *percent, {}}));
            }
            if (!m_line.empty()) {
                m_last.push_back(std::move(m_line));
                if (m_last.size() > kept_lines)
                    m_last.pop_front();
            }
            m_line.clear();
        }
        return true;
    }
    /// The kept lines on our error output, for Cuedeck to show.
    void tell() const
    {
        for (const std::string& kept : m_last)
            std::fprintf(stderr, "%s\n", kept.c_str());
        if (!m_line.empty())
            std::fprintf(stderr, "%s\n", m_line.c_str());
    }

private:
    std::deque<std::string> m_last;
    std::string m_line;
    int m_told_percent = -1;
};

/// Read what `fd` holds now, `most` bytes at most, into `take`; at its end
/// (or a failure) it is closed and set to -1. Never waits.
template <typename Take> void read_now(int& fd, std::size_t most, Take&& take)
{
    char bytes[16384];
    std::size_t read = 0;
    while (fd >= 0 && read < most) {
        const ssize_t got = ::read(fd, bytes, std::min(sizeof bytes, most - read));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && errno == EAGAIN)
            return;
        if (got <= 0) {
            ::close(fd);
            fd = -1;
            return;
        }
        read += static_cast<std::size_t>(got);
        if (!take(std::string_view(bytes, static_cast<std::size_t>(got))))
            return;
    }
}

/// The bytes of the files in the job's `folder`, all but the audio (ours):
/// what the recognizer wrote there, its copied output included.
std::uintmax_t written_in(const std::filesystem::path& folder, const struct stat& audio)
{
    std::uintmax_t total = 0;
    std::error_code failed;
    for (auto entry = std::filesystem::recursive_directory_iterator(folder, failed);
         !failed && entry != std::filesystem::recursive_directory_iterator();
         entry.increment(failed)) {
        struct stat file
        {
        };
        if (::lstat(entry->path().c_str(), &file) == 0 && S_ISREG(file.st_mode) &&
            !(file.st_dev == audio.st_dev && file.st_ino == audio.st_ino))
            total += static_cast<std::uintmax_t>(file.st_size);
    }
    return total;
}

/// Start `command` with its output and its errors into the pipes' ends
/// given; -1 and errno when it could not be started. No file it writes
/// grows much beyond the largest draft: the system stops it there.
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
        const rlimit file_size{max_draft_bytes + 1, max_draft_bytes + 1};
        ::setrlimit(RLIMIT_FSIZE, &file_size);
        ::signal(SIGXFSZ, SIG_DFL); // killed at the limit, told too much below
        const rlimit no_core{0, 0};
        ::setrlimit(RLIMIT_CORE, &no_core);
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

/// Whether `pid` has ended; it is left to be waited for, so that its
/// group's id stays its own until then.
bool has_ended(pid_t pid)
{
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) < 0) {
        if (errno != EINTR)
            return true;
    }
    return info.si_pid == pid;
}

/// How a recognizer ended: its wait status, and what it did wrong.
struct Ended
{
    int status = 0;
    std::optional<Trouble> trouble;
};

/// Follow the recognizer `pid` until it ends: its outputs read as they
/// come (`pipes`: standard output, into `output_fd` at `output`, and
/// error), and the files it writes in the job's folder measured, whatever
/// it says or does not say. Its end is the job's: a child it leaves behind
/// may hold the outputs open for ever, so its whole group is ended then, or
/// as soon as it writes too much.
Ended follow(pid_t pid, std::array<int, 2> pipes, int output_fd, const std::string& output,
             const struct stat& audio, ErrorLines& lines)
{
    auto& [printed, errors] = pipes;
    const std::filesystem::path folder = std::filesystem::path(output).parent_path();
    // Readable at its end; -1 on an old kernel, where the measures' turn tells.
    // (glibc's own declaration of pidfd_open lacks C linkage in C++.)
    const int ended_fd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    CopiedOutput copied(output_fd);
    const auto copy = [&](std::string_view bytes) { return copied.take(bytes); };
    const auto tell = [&](std::string_view bytes) { return lines.take(bytes); };
    bool too_much = false;
    auto measured = std::chrono::steady_clock::now();
    for (bool ended = false; !ended && !copied.trouble() && !too_much;) {
        pollfd watched[3] = {{printed, POLLIN, 0}, {errors, POLLIN, 0}, {ended_fd, POLLIN, 0}};
        ::poll(watched, 3, static_cast<int>(measure_every.count()));
        read_now(printed, read_per_turn, copy);
        read_now(errors, read_per_turn, tell);
        ended = has_ended(pid);
        if (const auto now = std::chrono::steady_clock::now(); now >= measured + measure_every) {
            measured = now;
            too_much = written_in(folder, audio) > max_draft_bytes;
        }
    }
    ::kill(-pid, SIGKILL);
    Ended out;
    while (::waitpid(pid, &out.status, 0) < 0 && errno == EINTR) {
    }
    if (ended_fd >= 0)
        ::close(ended_fd);
    if (!too_much && !copied.trouble()) {
        // What it wrote before it ended waits in the pipes.
        read_now(printed, max_draft_bytes + 1, copy);
        read_now(errors, read_after_end, tell);
        too_much = written_in(folder, audio) > max_draft_bytes ||
                   (WIFSIGNALED(out.status) && WTERMSIG(out.status) == SIGXFSZ);
    }
    out.trouble = copied.trouble();
    if (too_much && !out.trouble)
        out.trouble = Trouble::TooMuch;
    return out;
}

} // namespace

int recognize(const std::string& recording, std::int64_t from_ms, std::int64_t length_ms,
              const std::string& wav, const std::string& output, char** command)
{
    if (!made_audio(recording, wav, from_ms, length_ms))
        return 1;
    const int output_fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    struct stat audio
    {
    };
    int printed[2];
    int errors[2];
    if (output_fd < 0 || ::stat(wav.c_str(), &audio) != 0 ||
        ::pipe2(printed, O_CLOEXEC | O_NONBLOCK) != 0 ||
        ::pipe2(errors, O_CLOEXEC | O_NONBLOCK) != 0) {
        say(failed(Trouble::Unwritable));
        return 1;
    }
    // The recognizer's ends block as usual: a write waits for us to read.
    for (const int end : {printed[1], errors[1]})
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) & ~O_NONBLOCK);
    int exec_error = 0;
    struct sigaction ending
    {
    };
    ending.sa_handler = &end_recognizer;
    ::sigaction(SIGTERM, &ending, nullptr);
    const pid_t pid = start(command, printed[1], errors[1], exec_error);
    if (pid > 0) {
        ::setpgid(pid, pid); // as the child does: whichever runs first
        recognizer_group = pid;
    }
    ::close(printed[1]);
    ::close(errors[1]);
    if (pid < 0) {
        say(failed(exec_error == ENOENT || exec_error == EACCES ? Trouble::NotInstalled
                                                                : Trouble::Failed));
        return 1;
    }
    ErrorLines lines;
    const Ended ended = follow(pid, {printed[0], errors[0]}, output_fd, output, audio, lines);
    ::close(output_fd);
    if (ended.trouble) {
        say(failed(*ended.trouble));
        return 1;
    }
    const int status = ended.status;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        lines.tell();
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

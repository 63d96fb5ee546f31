#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace cuedeck {

/// A program we started, held by a handle that names that process only: once
/// it has ended, nothing sent through the handle reaches another process that
/// may since have been given the same id.
class StartedProgram
{
public:
    explicit StartedProgram(int handle) : m_handle(handle) {}
    StartedProgram(StartedProgram&& other) noexcept : m_handle(other.m_handle)
    {
        other.m_handle = -1;
    }
    StartedProgram& operator=(StartedProgram&& other) noexcept;
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram();

    /// Whether it has ended within `wait` (at once when zero).
    bool ended_within(std::chrono::milliseconds wait) const;
    void signal(int number) const;
    /// End it: SIGTERM, and SIGKILL if it has not ended within `grace`. Also
    /// ends a stopped (SIGSTOP) program. Waits at most `grace` twice.
    void end(std::chrono::milliseconds grace) const;

private:
    int m_handle = -1;
};

/// Whether a started program outlives us.
enum class Lifetime {
    OwnLife, ///< it runs on after we end (a sound that plays to its end)
    /// It is ended (SIGTERM) when we end, however we end: also at kill -9
    /// and at a crash. Start it from the main thread: it is the thread's end
    /// the system watches.
    EndsWithUs,
};

/// Start a program detached from us: its own session, standard streams on
/// /dev/null, `arguments` passed as they are (no shell ever sees them). The
/// child is reaped in the background. Nothing when it could not be started.
std::optional<StartedProgram> spawn_detached(const std::vector<std::string>& arguments,
                                             Lifetime lifetime = Lifetime::OwnLife);

/// A program started with its standard output and error coming to us, to
/// read without waiting; its input is /dev/null. It is killed when we end,
/// however we end (from the thread that started it: its end counts too), and
/// when this is destroyed before it has ended.
class PipedProgram
{
public:
    struct Ended
    {
        int code = -1;  ///< its exit code; -1 when it did not exit
        int signal = 0; ///< the signal that ended it
    };
    PipedProgram(int id, int output, int errors);
    PipedProgram(PipedProgram&& other) noexcept;
    PipedProgram& operator=(PipedProgram&&) = delete;
    PipedProgram(const PipedProgram&) = delete;
    PipedProgram& operator=(const PipedProgram&) = delete;
    ~PipedProgram();

    int output() const { return m_output; }
    int errors() const { return m_errors; }
    /// Send it a signal, unless it has been waited for.
    void signal(int number) const;
    /// How it ended, when it has; never waits.
    std::optional<Ended> ended();
    /// Wait for its end (after SIGKILL when `kill_first`) and say how it ended.
    Ended finish(bool kill_first);

private:
    static Ended ended_of(int status);
    int m_id = -1;
    int m_output = -1;
    int m_errors = -1;
    std::optional<Ended> m_ended;
};

/// Start `arguments` (no shell sees them) as a PipedProgram; at a lower
/// priority when asked. Nothing when it could not be started.
std::optional<PipedProgram> spawn_piped(const std::vector<std::string>& arguments,
                                        bool lower_priority = false);

} // namespace cuedeck

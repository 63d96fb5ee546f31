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

} // namespace cuedeck

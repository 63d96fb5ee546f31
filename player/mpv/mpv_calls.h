#pragma once

// What the mpv backend's source files share: how long to wait, how mpv's
// values read as the vocabulary's numbers, and the deadline of one call.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "base/saturating.h"
#include "player/mpv/mpv_backend.h"
#include "player/mpv/mpv_protocol.h"

namespace cuedeck::mpv_detail {

using Clock = std::chrono::steady_clock;

/// Between looks at a player that is still busy with a command (loading,
/// stopping, seeking): short, as these take a millisecond or two.
constexpr std::chrono::microseconds poll_interval{200};

/// How far short of where it was sent a settled mpv may report itself: its
/// audio output's latency (a fifth of a second for the null output, similar
/// for a sound server).
constexpr int latency_allowance_ms = 1000;

/// A number of mpv's as an int, truncated and clamped; 0 for anything else.
inline int int_of(const std::optional<Json>& value)
{
    if (!value || !value->is_number())
        return 0;
    const double number = value->get<double>();
    return std::isfinite(number)
               ? clamp_to_int(static_cast<std::int64_t>(std::clamp(number, -1e15, 1e15)))
               : 0;
}

inline bool flag_of(const std::optional<Json>& value)
{
    return value && value->is_boolean() && value->get<bool>();
}

inline int seconds_to_ms(const std::optional<Json>& value)
{
    if (!value || !value->is_number())
        return 0;
    const double seconds = value->get<double>();
    if (!std::isfinite(seconds))
        return 0;
    return clamp_to_int(std::llround(std::clamp(seconds * 1000.0, -1e15, 1e15)));
}

} // namespace cuedeck::mpv_detail

namespace cuedeck {

/// Sets the deadline for one outermost backend call; nested calls share it.
class MpvBackend::Budget
{
public:
    explicit Budget(MpvBackend& backend) : m_backend(backend)
    {
        if (m_backend.m_budget_depth++ == 0) {
            m_backend.m_deadline = mpv_detail::Clock::now() + reply_budget;
            m_backend.m_missed = false;
        }
    }
    ~Budget() { --m_backend.m_budget_depth; }
    Budget(const Budget&) = delete;
    Budget& operator=(const Budget&) = delete;

private:
    MpvBackend& m_backend;
};

class MpvBackend::Calls
{
public:
    using Answer = std::optional<Json>;
    /// Send the commands together, then collect the replies in order; an
    /// error reply, or none within the budget, is nothing.
    static std::vector<Answer> all(MpvBackend& mpv, const std::vector<Json>& commands);
    static Answer one(MpvBackend& mpv, const Json& command)
    {
        return std::move(all(mpv, std::vector<Json>{command}).front());
    }
    /// The window caption from mpv's expanded title, or the selected
    /// entry's name while it is idle.
    static std::string caption_from(MpvBackend& mpv, const Answer& expanded, bool idle, int index);
};

} // namespace cuedeck

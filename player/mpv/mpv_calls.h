#pragma once

// What the mpv backend's source files share: how long to wait, how mpv's
// values read as the vocabulary's numbers, and the deadline of one call.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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

/// What mpv tells by itself whenever it changes: everything a status shows.
constexpr const char* told_properties[] = {
    "idle-active", "playlist-count", "playlist-pos", "duration",   "time-pos",
    "pause",       "eof-reached",    "volume",       "current-ao", "current-tracks/audio/id",
    "path",        "media-title",    "playlist",     "speed",      "seeking"};

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

/// A text of mpv's; empty for anything else.
inline std::string text_of(const std::optional<Json>& value)
{
    return value && value->is_string() ? value->get<std::string>() : std::string();
}

/// The property of the playlist entry at `index`: "playlist/3/id".
inline std::string entry_property(int index, const char* name)
{
    return "playlist/" + std::to_string(index) + "/" + name;
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

/// What separates the values of one expand-text: a control character no
/// number, flag or output name holds, nor in practice a path or a title.
constexpr char value_separator = '\x1f';

/// Properties asked in one expand-text, each raw (numbers as "%f", flags as
/// "yes"/"no"), separated by value_separator; one that mpv has not
/// ("${=NAME:}") is empty. Text values (from index `first_text` on) are kept
/// as they are. All are empty when there are not `count` of them (a name
/// with the separator in it): the caller then asks for them one by one.
/// One command instead of one each: mpv answers each command in its own turn.
inline std::vector<std::optional<Json>> expanded_values(const std::optional<Json>& text,
                                                        std::size_t count,
                                                        std::size_t first_text = SIZE_MAX)
{
    std::vector<std::optional<Json>> values(count);
    if (!text || !text->is_string())
        return values;
    const std::string& all = text->get_ref<const std::string&>();
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = all.find(value_separator, start);
        fields.push_back(std::string_view(all).substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    if (fields.size() != count)
        return values;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view field = fields[i];
        double number = 0;
        const auto [end, error] =
            std::from_chars(field.data(), field.data() + field.size(), number);
        const bool is_number = error == std::errc() && end == field.data() + field.size();
        if (i < first_text && field.empty())
            continue;
        if (i < first_text && (field == "yes" || field == "no"))
            values[i] = Json(field == "yes");
        else if (i < first_text && is_number)
            values[i] = Json(number);
        else
            values[i] = Json(std::string(field)); // a name, or text kept as it is
    }
    return values;
}

} // namespace cuedeck::mpv_detail

namespace cuedeck {

/// Sets the deadline for one outermost backend call; nested calls share it.
class MpvBackend::Budget
{
public:
    explicit Budget(MpvBackend& backend, std::chrono::milliseconds budget = reply_budget)
        : m_backend(backend)
    {
        if (m_backend.m_budget_depth++ == 0) {
            m_backend.m_deadline = mpv_detail::Clock::now() + budget;
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
    /// The window caption from mpv's expanded title, or, while it is idle,
    /// the selected entry's name (its title, else its file's name).
    static std::string caption_from(const Answer& expanded, bool idle, int index,
                                    const Answer& entry_title, const Answer& entry_file);
};

} // namespace cuedeck

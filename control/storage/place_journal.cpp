#include "control/storage/place_journal.h"

#include <algorithm>
#include <ctime>

#include "base/saturating.h"
#include "base/translation.h"
#include "base/version.h"
#include "control/state/run_state.h"
#include "control/state/time_format.h"
#include "files/playlist_format.h"
#include "files/tape_group_format.h"
#include "system/system.h"

namespace cuedeck {

namespace {

/// "14:32" for today, "2026-12-08 14:32" for another day, in local time.
std::string clock_time(std::int64_t at)
{
    const std::time_t then = static_cast<std::time_t>(at);
    const std::time_t now = std::time(nullptr);
    std::tm written{};
    std::tm today{};
    if (const std::tm* local = std::localtime(&now))
        today = *local;
    if (const std::tm* local = std::localtime(&then))
        written = *local;
    else
        return {};
    const bool same_day = written.tm_year == today.tm_year && written.tm_yday == today.tm_yday;
    char text[32];
    std::strftime(text, sizeof text, same_day ? "%H:%M" : "%Y-%m-%d %H:%M", &written);
    return text;
}

} // namespace

bool PlaceJournal::names_a_group(const JournalPlace& place)
{
    // A tape group file whose first line names a playlist or a recording:
    // anything else (a journal written by hand, or damaged) is no place to
    // offer, as Yes would then do nothing.
    if (m_system.local_file_problem(place.group) != FileProblem::None)
        return false;
    const auto group = m_system.read_file(place.group);
    if (!group)
        return false;
    const std::string playlist = parse_tape_group(*group).playlist_path;
    return is_playlist_name(playlist) || is_recording_name(playlist);
}

std::optional<JournalPlace> PlaceJournal::take()
{
    const std::string folder = m_system.state_directory();
    if (folder.empty() || !m_system.make_directories(folder) ||
        !m_system.hold_lock(folder + lock_name))
        return std::nullopt;
    m_held = true;
    m_path = folder + file_name;
    const auto text = m_system.read_file(m_path);
    if (!text)
        return std::nullopt;
    auto place = parse_journal(*text);
    if (place && place->version == CUEDECK_VERSION && names_a_group(*place))
        return place;
    // Kept beside it rather than deleted, in case someone wants to look.
    m_system.replace_file(folder + set_aside_name, *text);
    m_system.remove_file(m_path);
    return std::nullopt;
}

namespace {

JournalPlace place_of(const RunState& state)
{
    return {CUEDECK_VERSION,
            state.tape_group_path,
            state.playlist_path,
            std::max(state.current_tip, 0),
            std::max(state.zero_mark, 0),
            std::max(state.position, 0)};
}

bool journalled(const RunState& state)
{
    return !state.tape_group_path.empty() && !state.playlist_path.empty();
}

} // namespace

bool PlaceJournal::kept(const RunState& state) const
{
    if (!m_keeping)
        return true;
    if (!journalled(state))
        return !m_written;
    return m_written && *m_written == place_of(state);
}

void PlaceJournal::keep(const RunState& state)
{
    if (!m_keeping)
        return;
    if (!journalled(state)) {
        if (m_written)
            remove();
        return;
    }
    const JournalPlace place = place_of(state);
    if (m_written && *m_written == place)
        return;
    JournalPlace stamped = place;
    stamped.written_at = static_cast<std::int64_t>(std::time(nullptr));
    m_system.replace_file_later(m_path, format_journal(stamped));
    m_written = place;
}

void PlaceJournal::remove()
{
    if (!m_held)
        return;
    m_system.remove_file(m_path);
    m_written.reset();
}

void PlaceJournal::leave(const RunState& state)
{
    keep(state);
    m_keeping = false;
}

std::string PlaceJournal::question(const JournalPlace& place)
{
    return translated(UI_TEXT("Cuedeck did not close normally. Go back to where you were in "
                              "%1: tip %2, %3 (at %4)?"),
                      {place.group, std::to_string(saturating_add(place.tip, 1)),
                       format_minutes_seconds(place.position_ms / 1000),
                       clock_time(place.written_at)});
}

} // namespace cuedeck

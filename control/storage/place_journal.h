#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "files/place_journal_format.h"

namespace cuedeck {

class System;
struct RunState;

/// The journal of the place while a tape group is open, in the state folder
/// (files/place_journal_format.h): written from the disk's own thread at most
/// once a second, at the tick after each change, so that a run that ends any
/// other way than through its save question can be resumed at the next
/// start. A normal end removes it. One run at a time keeps it: a second copy
/// that got past the one-copy rule neither reads nor writes it.
class PlaceJournal
{
public:
    static constexpr const char* file_name = "place";
    static constexpr const char* lock_name = "place.lock";
    /// Where a journal that cannot be resumed is put, beside it.
    static constexpr const char* set_aside_name = "place.set-aside";

    explicit PlaceJournal(System& system) : m_system(system) {}

    /// At start-up: this run takes the journal. What an earlier run left to
    /// resume, or nothing: none left, another copy holds the journal, or the
    /// one left is damaged, of another version or names a group that is gone
    /// (it is set aside without a word).
    std::optional<JournalPlace> take();
    /// From now on, keep() writes the place.
    void start_keeping() { m_keeping = m_held; }
    /// At each tick: the place, when it changed since it was last written.
    void keep(const RunState& state);
    /// Whether keep() would write nothing now.
    bool kept(const RunState& state) const;
    /// The journal removed (at a normal end, or when the user does not go
    /// back to the place it holds).
    void remove();
    /// At an end nobody attends: the place now, left for the next start.
    void leave(const RunState& state);

    /// The restart question for a journal left behind.
    static std::string question(const JournalPlace& place);

private:
    /// Whether the journal's group is a tape group file that can be resumed.
    bool names_a_group(const JournalPlace& place);
    System& m_system;
    std::string m_path;
    bool m_held = false;
    bool m_keeping = false;
    /// The place last written, without the time; none when there is no journal.
    std::optional<JournalPlace> m_written;
};

} // namespace cuedeck

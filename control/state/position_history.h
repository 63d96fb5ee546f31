#pragma once

#include <array>
#include <optional>

namespace cuedeck {

/// One remembered place: a tip (0-based playlist index) and the zero mark in
/// whole seconds.
struct HistoryEntry
{
    int tip = 0;
    int seconds = 0;

    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

/// The last 100 places, for undo and redo.
///
/// `count` is the number of entries up to and including the current one;
/// `top` the number of valid entries. The entries from `count` to `top - 1`
/// are what redo can return to. A fixed table: nothing is allocated, and the
/// oldest entry is dropped when a 101st is pushed.
class PositionHistory
{
public:
    static constexpr int capacity = 100;

    void clear();
    void push(HistoryEntry entry);
    std::optional<HistoryEntry> step_back();
    std::optional<HistoryEntry> step_forward();

    int count() const { return m_count; }
    int top() const { return m_top; }
    /// Entry `index` of the table, oldest first; index must be below top().
    HistoryEntry entry(int index) const { return m_entries[static_cast<std::size_t>(index)]; }

private:
    std::array<HistoryEntry, capacity> m_entries{};
    int m_count = 0;
    int m_top = 0;
};

} // namespace cuedeck

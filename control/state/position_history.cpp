#include "control/state/position_history.h"

#include <algorithm>

namespace cuedeck {

void PositionHistory::clear()
{
    m_count = 0;
    m_top = 0;
}

void PositionHistory::push(HistoryEntry entry)
{
    if (m_count >= capacity) {
        std::copy(m_entries.begin() + 1, m_entries.end(), m_entries.begin());
        m_count = capacity - 1;
    }
    m_entries[static_cast<std::size_t>(m_count)] = entry;
    ++m_count;
    m_top = m_count;
}

std::optional<HistoryEntry> PositionHistory::step_back()
{
    if (m_count == 0)
        return std::nullopt;
    --m_count;
    // With a single entry the pointer still moves, but there is nothing before it.
    if (m_count == 0)
        return std::nullopt;
    return m_entries[static_cast<std::size_t>(m_count - 1)];
}

std::optional<HistoryEntry> PositionHistory::step_forward()
{
    if (m_count >= m_top)
        return std::nullopt;
    return m_entries[static_cast<std::size_t>(m_count++)];
}

} // namespace cuedeck

#include "files/input_events.h"

#include <cstring>

namespace cuedeck {

std::vector<InputEvent> InputEventReader::feed(std::string_view bytes)
{
    m_partial.insert(m_partial.end(), bytes.begin(), bytes.end());
    std::vector<InputEvent> events;
    std::size_t at = 0;
    for (; at + input_event::size <= m_partial.size(); at += input_event::size) {
        const char* record = m_partial.data() + at + 2 * sizeof(long);
        InputEvent event{};
        std::memcpy(&event.type, record, 2);
        std::memcpy(&event.code, record + 2, 2);
        std::memcpy(&event.value, record + 4, 4);
        events.push_back(event);
    }
    m_partial.erase(m_partial.begin(), m_partial.begin() + std::ptrdiff_t(at));
    return events;
}

std::vector<KeyRecord> key_records(const std::vector<InputEvent>& events, bool& dropped)
{
    std::vector<KeyRecord> records;
    dropped = false;
    bool skipping = false; // from a SYN_DROPPED to the report that ends it
    for (const InputEvent& event : events) {
        if (event.type == input_event::sync && event.code == input_event::sync_dropped) {
            dropped = true;
            skipping = true;
        } else if (event.type == input_event::sync && event.code == input_event::sync_report) {
            skipping = false;
        } else if (event.type == input_event::key && !skipping) {
            switch (event.value) {
            case input_event::pressed:
                records.push_back({event.code, KeyRecord::Down});
                break;
            case input_event::released:
                records.push_back({event.code, KeyRecord::Up});
                break;
            case input_event::repeated:
                records.push_back({event.code, KeyRecord::Held});
                break;
            default:
                break;
            }
        }
    }
    return records;
}

std::vector<ButtonChange> button_changes(const std::vector<InputEvent>& events, bool& dropped)
{
    std::vector<ButtonChange> changes;
    for (const KeyRecord& record : key_records(events, dropped)) {
        if (record.state != KeyRecord::Held)
            changes.push_back({record.code, record.state == KeyRecord::Down});
    }
    return changes;
}

} // namespace cuedeck

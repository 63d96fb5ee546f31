#include "files/hid_reports.h"

#include <algorithm>

namespace cuedeck {

namespace {

bool bit(const std::string& data, std::size_t index)
{
    const std::size_t byte = index / 8;
    return byte < data.size() && (static_cast<unsigned char>(data[byte]) >> (index % 8) & 1) != 0;
}

/// The buttons that differ between two reports' data, in order.
void compare(const std::string& before, const std::string& now, std::vector<ButtonChange>& out)
{
    const std::size_t bits = 8 * std::max(before.size(), now.size());
    for (std::size_t i = 0; i < bits; ++i) {
        const bool down = bit(now, i);
        if (down != bit(before, i))
            out.push_back({hid_report::first_button + static_cast<int>(i), down});
    }
}

} // namespace

HidReportReader::HidReportReader(std::size_t length) : m_length(std::max<std::size_t>(length, 2)) {}

std::vector<ButtonChange> HidReportReader::feed(std::string_view bytes)
{
    m_partial.append(bytes);
    std::vector<ButtonChange> changes;
    std::size_t at = 0;
    for (; at + m_length <= m_partial.size(); at += m_length) {
        const auto id = static_cast<std::uint8_t>(m_partial[at]);
        std::string data = m_partial.substr(at + 1, m_length - 1);
        std::string& before = m_before[id];
        compare(before, data, changes);
        before = std::move(data);
    }
    m_partial.erase(0, at);
    return changes;
}

} // namespace cuedeck

#include "control/pedal.h"

#include <charconv>

namespace cuedeck {

PedalMode pedal_mode_from(int value)
{
    return value == int(PedalMode::Toggle) ? PedalMode::Toggle : PedalMode::Hold;
}

std::optional<std::array<int, 3>> parse_pedal_buttons(std::string_view text)
{
    std::array<int, 3> codes{};
    std::size_t count = 0;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (;;) {
        while (at != end && (*at == ' ' || *at == '\t'))
            ++at;
        if (at == end)
            break;
        int code = 0;
        const auto [next, error] = std::from_chars(at, end, code);
        if (error != std::errc() || code < 0 || count == codes.size() ||
            (next != end && *next != ' ' && *next != '\t'))
            return std::nullopt;
        codes[count++] = code;
        at = next;
    }
    if (count != codes.size() || codes[0] == codes[1] || codes[1] == codes[2] ||
        codes[0] == codes[2])
        return std::nullopt;
    return codes;
}

std::string format_pedal_buttons(const std::array<int, 3>& codes)
{
    return std::to_string(codes[0]) + ' ' + std::to_string(codes[1]) + ' ' +
           std::to_string(codes[2]);
}

std::optional<Pedal> PedalLogic::pedal_of(int code) const
{
    for (std::size_t i = 0; i < m_codes.size(); ++i) {
        if (m_codes[i] == code)
            return Pedal(i);
    }
    return std::nullopt;
}

std::optional<PedalAction> PedalLogic::change(int code, bool down)
{
    const auto pedal = pedal_of(code);
    if (!pedal || m_down[std::size_t(*pedal)] == down)
        return std::nullopt;
    m_down[std::size_t(*pedal)] = down;
    switch (*pedal) {
    case Pedal::Middle:
        if (m_mode == PedalMode::Toggle)
            return down ? std::optional(PedalAction::PlayPause) : std::nullopt;
        return down ? PedalAction::Play : PedalAction::Pause;
    case Pedal::Left:
        return down ? std::optional(PedalAction::Back) : std::nullopt;
    case Pedal::Right:
        return down ? std::optional(PedalAction::Forward) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<PedalAction> PedalLogic::repeat() const
{
    // Both held: they cancel out.
    const bool left = m_down[std::size_t(Pedal::Left)];
    const bool right = m_down[std::size_t(Pedal::Right)];
    if (left == right)
        return std::nullopt;
    return left ? PedalAction::Back : PedalAction::Forward;
}

bool PedalLogic::repeating() const
{
    return repeat().has_value();
}

std::optional<PedalAction> PedalLogic::release_all()
{
    const bool middle_held = m_down[std::size_t(Pedal::Middle)];
    m_down = {};
    return middle_held && m_mode == PedalMode::Hold ? std::optional(PedalAction::Pause)
                                                    : std::nullopt;
}

} // namespace cuedeck

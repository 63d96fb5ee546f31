#include "control/commands/pedal.h"

#include <charconv>

namespace cuedeck {

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

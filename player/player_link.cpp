#include "player/player_link.h"

namespace cuedeck {

bool PlayerLink::find()
{
    m_found = !m_closed && m_backend.find();
    if (m_found && m_speed)
        m_backend.set_speed(*m_speed);
    // Also with none on: a player found anew may still hold ours from before.
    if (m_found && m_backend.has_clarity_aids())
        m_backend.set_aids(m_aids);
    if (m_found && m_loop)
        m_backend.set_loop(m_loop);
    return m_found;
}

bool PlayerLink::connected()
{
    // A player that went away is forgotten until it is looked for again.
    if (m_found && !m_backend.alive())
        m_found = false;
    return m_found;
}

void PlayerLink::send(PlayerCommand command)
{
    if (connected())
        m_backend.command(command);
}

std::optional<int> PlayerLink::request(PlayerRequest request, int argument)
{
    return connected() ? m_backend.request(request, argument) : std::nullopt;
}

std::optional<PlayerStatus> PlayerLink::status()
{
    auto status = connected() ? m_backend.status() : std::nullopt;
    if (!status || !m_loop || m_backend.can_loop())
        return status;
    const int place = status->position_ms;
    const bool crossed = m_looped_from && *m_looped_from >= m_loop->start_ms &&
                         *m_looped_from < m_loop->end_ms && place >= m_loop->end_ms &&
                         place - *m_looped_from <= played_between_looks_ms;
    m_looped_from = place;
    if (crossed) {
        m_backend.request(PlayerRequest::JumpTo, m_loop->start_ms);
        status->position_ms = m_loop->start_ms;
        m_looped_from = m_loop->start_ms;
    }
    return status;
}

bool PlayerLink::hand_over(const std::string& path)
{
    if (m_closed || !m_backend.hand_over(path))
        return false;
    if (m_speed)
        m_backend.set_speed(*m_speed);
    return true;
}

void PlayerLink::set_speed(int percent)
{
    m_speed = percent;
    if (connected())
        m_backend.set_speed(percent);
}

void PlayerLink::set_aids(const ClarityAids& aids)
{
    m_aids = aids;
    if (connected())
        m_backend.set_aids(aids);
}

ClarityAids PlayerLink::aids_in_effect()
{
    // Without a player nothing was refused: the aids wait for the next one.
    if (connected())
        m_aids = m_backend.aids_in_effect();
    return m_aids;
}

void PlayerLink::set_loop(std::optional<LoopStretch> stretch)
{
    m_loop = stretch;
    m_looped_from.reset();
    if (connected())
        m_backend.set_loop(stretch);
}

void PlayerLink::close()
{
    if (connected())
        m_backend.close();
    m_closed = true;
}

} // namespace cuedeck

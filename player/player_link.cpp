#include "player/player_link.h"

namespace cuedeck {

bool PlayerLink::find()
{
    m_found = !m_closed && m_backend.find();
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

std::optional<int> PlayerLink::request(PlayerRequest request, int wparam)
{
    return connected() ? m_backend.request(request, wparam) : std::nullopt;
}

std::optional<PlayerStatus> PlayerLink::status()
{
    return connected() ? m_backend.status() : std::nullopt;
}

bool PlayerLink::hand_over(const std::string& path)
{
    return !m_closed && m_backend.hand_over(path);
}

void PlayerLink::close()
{
    if (connected())
        m_backend.close();
    m_closed = true;
}

} // namespace cuedeck

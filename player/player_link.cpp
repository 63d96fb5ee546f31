#include "player/player_link.h"

namespace cuedeck {

bool PlayerLink::find()
{
    m_found = m_backend.find();
    return m_found;
}

bool PlayerLink::connected()
{
    // A player that went away is forgotten for good, like a window handle that
    // no longer names a window.
    if (m_found && !m_backend.alive())
        m_found = false;
    return m_found;
}

void PlayerLink::send(PlayerCommand command)
{
    if (connected())
        m_backend.command(command);
}

int PlayerLink::request(PlayerRequest request, int wparam)
{
    return connected() ? m_backend.request(request, wparam) : 0;
}

PlayerStatus PlayerLink::status()
{
    return connected() ? m_backend.status() : PlayerStatus{};
}

void PlayerLink::hand_over(const std::string& path)
{
    if (!m_closed)
        m_backend.hand_over(path);
}

void PlayerLink::close()
{
    if (connected())
        m_backend.close();
    m_closed = true;
}

} // namespace cuedeck

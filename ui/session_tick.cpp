#include "ui/session_tick.h"

namespace cuedeck {

SessionTick::SessionTick(Session& session, QObject* parent) : QObject(parent), m_session(session)
{
    // Set again after each tick, at the period asked then: a burst of
    // changes that shortens and lengthens the period never puts it off.
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SessionTick::tick);
    // A command, a request from outside or a tick may end the rest or
    // change the period.
    m_listening = m_session.listen([this](bool) { follow(); });
}

SessionTick::~SessionTick()
{
    m_session.stop_listening(m_listening);
}

void SessionTick::start()
{
    m_running = true;
    follow();
}

void SessionTick::stop()
{
    m_running = false;
    m_timer.stop();
    m_told.reset();
}

void SessionTick::tick()
{
    if (m_told)
        m_told->setEnabled(false);
    m_session.tick(); // follows by the change it tells
}

void SessionTick::follow()
{
    if (!m_running || m_following)
        return;
    m_following = true;
    const int period = m_session.tick_period_ms();
    const int told_through = period == 0 ? m_session.player_told_through() : -1;
    if (period > 0) {
        if (!m_timer.isActive() || m_timer.remainingTime() > period)
            m_timer.start(period);
    } else {
        m_timer.stop();
    }
    if (told_through < 0) {
        m_told.reset();
    } else {
        if (!m_told || m_told->socket() != told_through) {
            m_told = std::make_unique<QSocketNotifier>(told_through, QSocketNotifier::Read);
            connect(m_told.get(), &QSocketNotifier::activated, this, &SessionTick::tick);
        }
        m_told->setEnabled(true);
    }
    m_following = false;
}

} // namespace cuedeck

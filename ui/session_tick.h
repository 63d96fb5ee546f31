#pragma once

#include <memory>

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include "control/session/session.h"

namespace cuedeck {

/// The session's tick on Qt's event loop, at the period the session asks
/// for. At rest there is no period: the player's word (its connection
/// readable) or the session's next change ticks instead, so a paused run
/// costs nothing.
class SessionTick : public QObject
{
public:
    explicit SessionTick(Session& session, QObject* parent = nullptr);
    ~SessionTick() override;
    SessionTick(const SessionTick&) = delete;
    SessionTick& operator=(const SessionTick&) = delete;

    void start();
    void stop();

private:
    void tick();
    /// Wait as the session asks now: the timer at its period, or the
    /// player's word.
    void follow();

    Session& m_session;
    QTimer m_timer;
    std::unique_ptr<QSocketNotifier> m_told;
    bool m_running = false;
    bool m_following = false; ///< inside follow(), which a change reaches again
    SessionPort::ListenerId m_listening = 0;
};

} // namespace cuedeck

#pragma once

#include <memory>

#include <QFileSystemWatcher>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include "control/session/session.h"

namespace cuedeck {

/// The session's tick on Qt's event loop, at the period the session asks
/// for. At rest there is no period: the player's word (its connection
/// readable) or the session's next change ticks instead, so a paused run
/// costs nothing. The draft's file is watched, so that a draft saved by
/// an editor is read again at once, at rest too.
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
    /// Watch the draft the session shows now, and no other.
    void watch_draft();
    /// The draft's file or folder changed: read it again, and watch it anew.
    void look_at_draft();

    Session& m_session;
    QTimer m_timer;
    std::unique_ptr<QSocketNotifier> m_told;
    /// The draft's file and its folder (an editor may save by replacing it).
    QFileSystemWatcher m_draft_watch;
    QString m_draft_watched;
    bool m_running = false;
    bool m_following = false; ///< inside follow(), which a change reaches again
    SessionPort::ListenerId m_listening = 0;
};

} // namespace cuedeck

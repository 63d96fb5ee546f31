#include "ui/session_tick.h"

#include <QFileInfo>

#include "ui/qt_text.h"

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
    // Queued: an editor's save comes as a burst of changes, read once.
    connect(&m_draft_watch, &QFileSystemWatcher::fileChanged, this, &SessionTick::look_at_draft,
            Qt::QueuedConnection);
    connect(&m_draft_watch, &QFileSystemWatcher::directoryChanged, this,
            &SessionTick::look_at_draft, Qt::QueuedConnection);
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
    watch_draft();
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

void SessionTick::look_at_draft()
{
    // The watch is on the file, not its name: a save that replaced it (a new
    // file renamed over it) leaves the watch on the one replaced, and later
    // saves in place would go unseen. The file of that name now is watched.
    if (!m_draft_watched.isEmpty()) {
        m_draft_watch.removePath(m_draft_watched);
        m_draft_watch.addPath(m_draft_watched);
    }
    m_session.look_at_draft();
}

void SessionTick::watch_draft()
{
    const QString path = to_qt(m_session.draft_watched());
    if (path == m_draft_watched)
        return;
    if (!m_draft_watch.files().isEmpty())
        m_draft_watch.removePaths(m_draft_watch.files());
    if (!m_draft_watch.directories().isEmpty())
        m_draft_watch.removePaths(m_draft_watch.directories());
    m_draft_watched = path;
    if (path.isEmpty())
        return;
    m_draft_watch.addPath(path);
    m_draft_watch.addPath(QFileInfo(path).absolutePath());
}

} // namespace cuedeck

#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

#include "control/commands/program_options.h"
#include "control/session/session_port.h"
#include "files/channel_request.h"

class QLocalSocket;

namespace cuedeck {

/// One Cuedeck per user session, and so one player.
///
/// The first copy to start holds a lock file in the private runtime folder
/// and listens on a local socket beside it. A later copy hands its file (or
/// nothing, to have the window raised) to the first and ends. Two copies
/// started at the same moment meet at the lock: one holds it, the other
/// hands over. `cuedeck --command NAME` uses the same channel; its lines are
/// those of files/channel_request.h.
///
/// Nothing arriving here is carried out while its socket is being read: a
/// file or command may raise a dialog, whose own event loop would otherwise
/// run under the socket's handler and could delete the socket beneath it. Both
/// are queued to the event loop, and a command's answer is written once it
/// has been carried out, if its sender still listens.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role {
        First,         ///< this copy runs; files from later copies arrive by fileArrived
        HandedOver,    ///< the running copy took the file; this copy should end
        NotHandedOver, ///< a copy runs but did not take the file; see the reason
        Alone,         ///< neither could be done (no usable folder): run on anyway
    };

    /// `folder`: the private runtime folder; empty when there is none.
    explicit SingleInstance(const QString& folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    /// Become the running copy, or hand `file` (absolute; may be empty) to it.
    /// `reason` says why a running copy did not take it.
    Role claim(const QString& file, QString& reason);

    using Delivery = cuedeck::Delivery;
    using Request = RequestLine;
    /// Send the running copy a request (a command by name, a place to go
    /// to: files/channel_request.h) and wait until it is carried out. A
    /// request not begun in time is not begun at all.
    static Delivery send_request(const QString& folder, const Request& request, QString& reason);

    /// The run that carries out the commands and go-tos sent to the running
    /// copy; until it is set, they are refused.
    void set_session(SessionPort& session) { m_session = &session; }

    /// How long a connection may stay silent before it is closed.
    static constexpr int idle_ms = channel_wait::idle_ms;

signals:
    /// A later copy's file; empty when it only asked to be shown. Emitted from
    /// the event loop, never from inside the socket's reading.
    void fileArrived(const QString& file);

private:
    void take_connection();
    void read_request(QLocalSocket* socket);
    /// Carry out a command or go-to, and answer `socket` with its outcome.
    void carry_out(const ChannelRequest& request, QLocalSocket* socket);

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
    SessionPort* m_session = nullptr;
};

} // namespace cuedeck

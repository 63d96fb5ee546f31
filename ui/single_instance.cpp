#include "ui/single_instance.h"

#include <QLocalSocket>
#include <QThread>

namespace cuedeck {

namespace {

/// How long a later copy waits for the running one, which may itself still
/// be starting its player, to take the file.
constexpr int answer_wait_ms = 15000;
constexpr int tries = 50;
constexpr int try_interval_ms = 100;

bool hand_over(const QString& server, const QString& file)
{
    QLocalSocket socket;
    socket.connectToServer(server);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(file.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(answer_wait_ms))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(answer_wait_ms))
            return false;
    }
    return socket.readLine() == "ok\n";
}

} // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder)
{
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::take_connection);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Role SingleInstance::claim(const QString& file)
{
    if (m_folder.isEmpty())
        return Role::Alone;
    const QString server = m_folder + "/cuedeck.socket";
    m_lock = std::make_unique<QLockFile>(m_folder + "/cuedeck.lock");
    // Only a holder that has died frees the lock, however long it has run.
    m_lock->setStaleLockTime(0);
    for (int attempt = 0; attempt < tries; ++attempt) {
        if (m_lock->tryLock(0)) {
            QLocalServer::removeServer(server); // left by a copy that died
            return m_server.listen(server) ? Role::First : Role::Alone;
        }
        if (hand_over(server, file))
            return Role::HandedOver;
        // The holder is still on its way to listening.
        QThread::msleep(try_interval_ms);
    }
    return Role::Alone;
}

void SingleInstance::take_connection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > 64 * 1024)
                    socket->abort(); // not one of ours
                return;
            }
            QString file = QString::fromUtf8(socket->readLine()).chopped(1);
            socket->write("ok\n");
            socket->disconnectFromServer();
            emit fileArrived(file);
        });
    }
}

} // namespace cuedeck

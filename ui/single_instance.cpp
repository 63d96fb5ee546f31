#include "ui/single_instance.h"

#include <QLocalSocket>
#include <QThread>

#include <cstring>
#include <optional>

namespace cuedeck {

namespace {

/// How long a later copy waits for the running one, which may itself still
/// be starting its player, to take the file.
constexpr int answer_wait_ms = 15000;
constexpr int tries = 50;
constexpr int try_interval_ms = 100;

constexpr const char* command_prefix = "command ";
constexpr const char* refusal_prefix = "refused ";

QString server_in(const QString& folder)
{
    return folder + "/cuedeck.socket";
}

struct Exchange
{
    bool reached = false;             ///< a copy listens
    std::optional<QByteArray> answer; ///< without the line break; none when it did not answer
};

/// Send one line to the running copy and wait for its answer.
Exchange exchange(const QString& server, const QByteArray& line)
{
    QLocalSocket socket;
    socket.connectToServer(server);
    if (!socket.waitForConnected(1000))
        return {};
    socket.write(line + '\n');
    if (!socket.waitForBytesWritten(answer_wait_ms))
        return {true, std::nullopt};
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(answer_wait_ms))
            return {true, std::nullopt};
    }
    return {true, socket.readLine().chopped(1)};
}

bool hand_over(const QString& server, const QString& file)
{
    return exchange(server, file.toUtf8()).answer == "ok";
}

} // namespace

SingleInstance::Delivery SingleInstance::send_command(const QString& folder, const QString& name,
                                                      QString& reason)
{
    reason.clear();
    if (folder.isEmpty())
        return Delivery::NoneRunning;
    QLockFile lock(folder + "/cuedeck.lock");
    lock.setStaleLockTime(0);
    for (int attempt = 0; attempt < tries; ++attempt) {
        const Exchange sent = exchange(server_in(folder), command_prefix + name.toUtf8());
        if (sent.reached && !sent.answer) {
            // Sent once only: a stopped or busy copy may carry it out later.
            reason = "Cuedeck did not answer";
            return Delivery::Refused;
        }
        if (const auto& answer = sent.answer) {
            if (*answer == "ok")
                return Delivery::CarriedOut;
            reason = QString::fromUtf8(answer->startsWith(refusal_prefix)
                                           ? answer->mid(int(std::strlen(refusal_prefix)))
                                           : *answer);
            return Delivery::Refused;
        }
        // Nobody holds the lock: no copy runs. Otherwise one is starting.
        if (lock.tryLock(0)) {
            lock.unlock();
            return Delivery::NoneRunning;
        }
        QThread::msleep(try_interval_ms);
    }
    reason = "Cuedeck is still starting";
    return Delivery::Refused;
}

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
    const QString server = server_in(m_folder);
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
            const QString line = QString::fromUtf8(socket->readLine()).chopped(1);
            if (line.startsWith(command_prefix)) {
                socket->write(answer(line.mid(int(std::strlen(command_prefix)))) + '\n');
                socket->disconnectFromServer();
                return;
            }
            socket->write("ok\n");
            socket->disconnectFromServer();
            emit fileArrived(line);
        });
    }
}

QByteArray SingleInstance::answer(const QString& name)
{
    const QString refusal = m_command_handler ? m_command_handler(name) : "Cuedeck is starting";
    if (refusal.isEmpty())
        return "ok";
    // One line, whatever the reason holds.
    return refusal_prefix + refusal.simplified().toUtf8();
}

} // namespace cuedeck

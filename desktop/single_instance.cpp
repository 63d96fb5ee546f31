#include "desktop/single_instance.h"

#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QVariant>

#include <optional>

#include "control/commands/program_options.h"
#include "files/channel_request.h"

namespace cuedeck {

namespace {

/// How long a later copy waits for the running one to answer. The running
/// copy acknowledges a file at once. A command may be begun within the first
/// wait and is answered once carried out, which may wait for a slow player
/// (each of its calls for half a second at most): its sender waits that much
/// longer for the answer.
constexpr int file_answer_wait_ms = 5000;
constexpr int command_begun_within_ms = 5000;
constexpr int command_answer_wait_ms = 15000;
/// How long a later copy waits for a copy that holds the lock but does not
/// listen yet (it is still starting).
constexpr int tries = 50;
constexpr int try_interval_ms = 100;
/// Set on a connection once its request line has come.
constexpr const char* heard = "cuedeck_heard";

QString server_in(const QString& folder)
{
    return folder + "/cuedeck.socket";
}

QString lock_in(const QString& folder)
{
    return folder + "/cuedeck.lock";
}

struct Exchange
{
    bool reached = false;             ///< a copy listens
    std::optional<QByteArray> answer; ///< without the line break; none when it did not answer
};

/// Send one line to the running copy and wait for its answer.
Exchange exchange(const QString& server, const std::string& line, int answer_wait_ms)
{
    QLocalSocket socket;
    socket.connectToServer(server);
    if (!socket.waitForConnected(1000))
        return {};
    socket.write(QByteArray::fromStdString(line));
    if (!socket.waitForBytesWritten(answer_wait_ms))
        return {true, std::nullopt};
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(answer_wait_ms))
            return {true, std::nullopt};
    }
    return {true, socket.readLine().chopped(1)};
}

QString reason_in(const QByteArray& answer)
{
    return QString::fromStdString(refusal_reason(answer.toStdString()));
}

void reply(QLocalSocket& socket, const QByteArray& line)
{
    socket.write(line);
    socket.disconnectFromServer(); // once the answer is written
}

} // namespace

SingleInstance::Delivery SingleInstance::send_request(const QString& folder, const Request& request,
                                                      QString& reason)
{
    reason.clear();
    if (folder.isEmpty())
        return Delivery::NoneRunning;
    QLockFile lock(lock_in(folder));
    lock.setStaleLockTime(0);
    for (int attempt = 0; attempt < tries; ++attempt) {
        // The running copy begins it only within the first wait; this copy
        // waits longer than that for the answer, so that it never says "not
        // carried out" of what is carried out afterwards.
        const std::string line = request(channel_clock_ms() + command_begun_within_ms);
        const Exchange sent = exchange(server_in(folder), line, command_answer_wait_ms);
        if (sent.reached && !sent.answer) {
            reason = "Cuedeck did not answer in time (it is busy or stopped), so it was not "
                     "carried out";
            return Delivery::Refused;
        }
        if (const auto& answer = sent.answer) {
            if (*answer == QByteArray::fromStdString(std::string(channel_ok)))
                return Delivery::CarriedOut;
            reason = reason_in(*answer);
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

SingleInstance::Role SingleInstance::claim(const QString& file, QString& reason)
{
    reason.clear();
    if (m_folder.isEmpty())
        return Role::Alone;
    const QString server = server_in(m_folder);
    m_lock = std::make_unique<QLockFile>(lock_in(m_folder));
    // Only a holder that has died frees the lock, however long it has run.
    m_lock->setStaleLockTime(0);
    const std::string request = format_open_request(QFile::encodeName(file).toStdString());
    for (int attempt = 0; attempt < tries; ++attempt) {
        if (m_lock->tryLock(0)) {
            QLocalServer::removeServer(server); // left by a copy that died
            return m_server.listen(server) ? Role::First : Role::Alone;
        }
        const Exchange sent = exchange(server, request, file_answer_wait_ms);
        if (sent.answer && *sent.answer == QByteArray::fromStdString(std::string(channel_ok)))
            return Role::HandedOver;
        if (sent.reached) {
            // A copy runs and heard us: it is not asked twice, and no second
            // copy with a second player starts beside it.
            reason = sent.answer ? reason_in(*sent.answer)
                                 : "Cuedeck did not answer (it may still open it once it does)";
            return Role::NotHandedOver;
        }
        // The holder is still on its way to listening.
        QThread::msleep(try_interval_ms);
    }
    reason = "Cuedeck is still starting";
    return Role::NotHandedOver;
}

void SingleInstance::take_connection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A caller that says nothing is not waited for.
        QTimer::singleShot(idle_ms, socket, [socket] {
            if (!socket->property(heard).toBool())
                socket->abort();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read_request(socket); });
    }
}

void SingleInstance::read_request(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > qint64(longest_request_line)) {
            disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
            reply(*socket, QByteArray::fromStdString(format_refusal("unknown request")));
        }
        return;
    }
    // One request a connection; whatever follows it is not read.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    socket->setProperty(heard, true);
    const QByteArray line = socket->readLine().chopped(1);
    const ChannelRequest request = parse_channel_request(line.toStdString());
    switch (request.kind) {
    case ChannelRequest::Kind::Open: {
        if (m_session == nullptr)
            break; // refused below, as a command is
        reply(*socket, QByteArray::fromStdString(std::string(channel_ok) + '\n'));
        const QString file = QFile::decodeName(QByteArray::fromStdString(request.value));
        m_session->later([this, file] { emit fileArrived(file); });
        return;
    }
    case ChannelRequest::Kind::Command:
    case ChannelRequest::Kind::GoTo:
        carry_out(request, socket);
        return;
    case ChannelRequest::Kind::Unknown:
        reply(*socket,
              QByteArray::fromStdString(format_refusal("unknown request: " + request.value)));
        return;
    }
    reply(*socket, QByteArray::fromStdString(format_refusal(SessionPort::not_started)));
}

void SingleInstance::carry_out(const ChannelRequest& request, QLocalSocket* socket)
{
    std::optional<cuedeck::Request> asked;
    std::string refusal = SessionPort::not_started;
    if (request.kind == ChannelRequest::Kind::GoTo)
        asked = cuedeck::Request{Command::GoToPlace, request.value};
    else if (const auto command = command_named(request.value))
        asked = cuedeck::Request{*command};
    else
        refusal = unknown_command(request.value);
    const auto answer = [sender = QPointer<QLocalSocket>(socket)](const std::string& why) {
        if (!sender)
            return;
        const QString said = QString::fromStdString(why).simplified();
        reply(*sender,
              QByteArray::fromStdString(said.isEmpty() ? std::string(channel_ok) + '\n'
                                                       : format_refusal(said.toStdString())));
    };
    if (!asked || m_session == nullptr) {
        answer(refusal);
        return;
    }
    m_session->submit_later(std::move(*asked), answer,
                            [sender = QPointer<QLocalSocket>(socket), until = request.until_ms] {
                                // A sender that gave up has said "not carried out": it is not.
                                return sender && sender->state() == QLocalSocket::ConnectedState &&
                                       !(until && channel_clock_ms() > *until);
                            });
}

} // namespace cuedeck

#include "desktop/single_instance.h"

#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QVariant>

#include <optional>

#include "control/session/channel_requests.h"
#include "files/channel_request.h"

namespace cuedeck {

namespace {

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

/// Send one line to the running copy and wait for its answer: its first
/// line within `first_wait_ms`; after a command's "begun", the answer within
/// `answer_wait_ms` more.
Exchange exchange(const QString& server, const std::string& line, int first_wait_ms,
                  int answer_wait_ms)
{
    QLocalSocket socket;
    socket.connectToServer(server);
    if (!socket.waitForConnected(1000))
        return {};
    socket.write(QByteArray::fromStdString(line));
    if (!socket.waitForBytesWritten(first_wait_ms))
        return {true, std::nullopt};
    const auto next_line = [&socket](int wait_ms) -> std::optional<QByteArray> {
        while (!socket.canReadLine()) {
            if (!socket.waitForReadyRead(wait_ms))
                return std::nullopt;
        }
        return socket.readLine().chopped(1);
    };
    std::optional<QByteArray> answer = next_line(first_wait_ms);
    if (answer && *answer == QByteArray::fromStdString(std::string(channel_begun)))
        answer = next_line(answer_wait_ms);
    return {true, answer};
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
    for (int attempt = 0; attempt < channel_wait::tries; ++attempt) {
        // The running copy begins it only within the first wait; this copy
        // waits longer than that for the answer, so that it never says "not
        // carried out" of what is carried out afterwards.
        const std::string line =
            request(channel_clock_ms() + channel_wait::command_begun_within_ms);
        const Exchange sent = exchange(server_in(folder), line, channel_wait::begun_heard_within_ms,
                                       channel_wait::command_answer_ms);
        if (sent.reached && !sent.answer) {
            reason = channel_reason::no_answer_in_time;
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
        QThread::msleep(channel_wait::try_interval_ms);
    }
    reason = channel_reason::still_starting;
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
    // The launcher's token is of no use here, where no window opens: the
    // running copy's window comes forward with it.
    const std::string request = format_open_request(QFile::encodeName(file).toStdString(),
                                                    qgetenv("XDG_ACTIVATION_TOKEN").toStdString());
    for (int attempt = 0; attempt < channel_wait::tries; ++attempt) {
        if (m_lock->tryLock(0)) {
            QLocalServer::removeServer(server); // left by a copy that died
            return m_server.listen(server) ? Role::First : Role::Alone;
        }
        const Exchange sent =
            exchange(server, request, channel_wait::file_answer_ms, channel_wait::file_answer_ms);
        if (sent.answer && *sent.answer == QByteArray::fromStdString(std::string(channel_ok)))
            return Role::HandedOver;
        if (sent.reached) {
            // A copy runs and heard us: it is not asked twice, and no second
            // copy with a second player starts beside it.
            reason = sent.answer ? reason_in(*sent.answer) : channel_reason::no_answer_to_file;
            return Role::NotHandedOver;
        }
        // The holder is still on its way to listening.
        QThread::msleep(channel_wait::try_interval_ms);
    }
    reason = channel_reason::still_starting;
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
            reply(*socket,
                  QByteArray::fromStdString(format_refusal(channel_reason::unknown_request)));
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
        const QByteArray token = QByteArray::fromStdString(request.activation_token);
        m_session->later([this, file, token] {
            // Where Qt's Wayland platform looks for it when the window is
            // activated, and takes it away once used.
            if (!token.isEmpty())
                qputenv("XDG_ACTIVATION_TOKEN", token);
            emit fileArrived(file);
        });
        return;
    }
    case ChannelRequest::Kind::Command:
    case ChannelRequest::Kind::GoTo:
    case ChannelRequest::Kind::Unknown:
        carry_out(request, socket);
        return;
    }
    reply(*socket, QByteArray::fromStdString(format_refusal(SessionPort::not_started)));
}

void SingleInstance::carry_out(const ChannelRequest& request, QLocalSocket* socket)
{
    std::string refusal;
    std::optional<cuedeck::Request> asked = request_from_channel(request, refusal);
    const auto answer = [sender = QPointer<QLocalSocket>(socket)](const std::string& why) {
        if (sender)
            reply(*sender, QByteArray::fromStdString(channel_answer(why)));
    };
    if (!asked || m_session == nullptr) {
        answer(asked ? std::string(SessionPort::not_started) : refusal);
        return;
    }
    m_session->submit_later(
        std::move(*asked), answer,
        [sender = QPointer<QLocalSocket>(socket), until = request.until_ms] {
            // A sender that gave up has said "not carried out": it is not.
            const bool wanted = sender && sender->state() == QLocalSocket::ConnectedState &&
                                !(until && channel_clock_ms() > *until);
            // Begun: the sender waits for the answer however slow the player.
            if (wanted)
                sender->write(QByteArray::fromStdString(std::string(channel_begun) + '\n'));
            return wanted;
        });
}

} // namespace cuedeck

#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace cuedeck {

/// One Cuedeck per user session, and so one player.
///
/// The first copy to start holds a lock file in the private runtime folder
/// and listens on a local socket beside it. A later copy hands its file (or
/// nothing, to have the window raised) to the first and ends. Two copies
/// started at the same moment meet at the lock: one holds it, the other
/// hands over. `cuedeck --command NAME` uses the same channel.
///
/// A connection carries one line and its answer: an absolute file path, or an
/// empty line, answered "ok"; or "command NAME", answered "ok" once carried
/// out, else "refused " and the reason.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role {
        First,      ///< this copy runs; files from later copies arrive by fileArrived
        HandedOver, ///< the running copy took the file; this copy should end
        Alone,      ///< neither could be done (no usable folder): run on anyway
    };

    /// `folder`: the private runtime folder; empty when there is none.
    explicit SingleInstance(const QString& folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    /// Become the running copy, or hand `file` (absolute; may be empty) to it.
    Role claim(const QString& file);

    /// What the running copy said of a command sent to it.
    enum class Delivery {
        CarriedOut,
        NoneRunning, ///< no copy of this user's runs
        Refused,     ///< it runs, but did not carry the command out; see the reason
    };
    /// Send the running copy a command by name and wait until it is carried out.
    static Delivery send_command(const QString& folder, const QString& name, QString& reason);

    /// How the running copy carries out a command sent by name: an empty
    /// answer when done, else why not. Until one is set, commands are refused.
    using CommandHandler = std::function<QString(const QString& name)>;
    void set_command_handler(CommandHandler handler) { m_command_handler = std::move(handler); }

signals:
    /// A later copy's file; empty when it only asked to be shown.
    void fileArrived(const QString& file);

private:
    void take_connection();
    QByteArray answer(const QString& line);

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
    CommandHandler m_command_handler;
};

} // namespace cuedeck

#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

namespace cuedeck {

/// One Cuedeck per user session, and so one player.
///
/// The first copy to start holds a lock file in the private runtime folder
/// and listens on a local socket beside it. A later copy hands its file (or
/// nothing, to have the window raised) to the first and ends. Two copies
/// started at the same moment meet at the lock: one holds it, the other
/// hands over.
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

signals:
    /// A later copy's file; empty when it only asked to be shown.
    void fileArrived(const QString& file);

private:
    void take_connection();

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace cuedeck

#pragma once

#include <QObject>

class QSocketNotifier;

namespace cuedeck {

/// SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C, a closed terminal) turned into
/// a Qt signal on the event loop. The handler itself only writes a byte to a
/// pipe; everything else happens in received()'s slots, outside the handler.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signal_number);

private:
    void drain();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace cuedeck

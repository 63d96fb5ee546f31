#pragma once

#include <QLabel>
#include <QString>

namespace cuedeck {

/// What a screen reader is told without a message box: the STOP picture
/// (an alert when it shows) and the spoken note that says where the work
/// stands. Each is a label a screen reader reads as an alert, and each
/// showing is announced.
class SpokenAlert : public QLabel
{
    Q_OBJECT

public:
    explicit SpokenAlert(QWidget* parent);

    /// Show, and have `text` said (its accessible name), also when it is
    /// already showing.
    void say(const QString& text);
    /// Hide, with nothing left for a screen reader to find.
    void quiet();
};

/// A screen reader finds a SpokenAlert as an alert; once per program.
void install_spoken_alert_accessibility();

} // namespace cuedeck

#pragma once

#include <QDialog>

namespace cuedeck {

/// "About Cuedeck": the icon, the version and who makes it.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace cuedeck

#include "ui/about_box.h"

#include <QLabel>
#include <QPushButton>

#include "base/version.h"
#include "ui/dialog_units.h"
#include "ui/pictures.h"

namespace cuedeck {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("About Cuedeck");
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);
    const DialogUnits units(font);
    setFixedSize(units.size(235, 55));

    auto* icon = new QLabel(this);
    icon->setPixmap(application_icon().pixmap(32, 32));
    icon->setGeometry(units.rect(11, 17, 20, 20));
    const char* lines[] = {
        CUEDECK_ABOUT_TEXT,
        "A tape group remote for a media player",
        "Copyright (C) 2026 the Cuedeck developers",
    };
    int y = 10;
    for (const char* line : lines) {
        auto* label = new QLabel(line, this);
        label->setGeometry(units.rect(40, y, 140, 8));
        y += 12;
    }
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    ok->setGeometry(units.rect(178, 7, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace cuedeck

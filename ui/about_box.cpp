#include "ui/about_box.h"

#include <QLabel>
#include <QPushButton>

#include "base/version.h"
#include "front/window_resources.h"
#include "ui/dialog_units.h"
#include "ui/pictures.h"
#include "ui/qt_text.h"

namespace cuedeck {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(ui_text(TEXT_ABOUT_CAPTION));
    QFont font = this->font();
    font.setPointSize(SMALL_DIALOG_FONT_POINTS);
    setFont(font);
    const DialogUnits units(font);
    setFixedSize(units.size(ABOUT_SIZE));

    auto* icon = new QLabel(this);
    icon->setPixmap(application_icon().pixmap(32, 32));
    icon->setGeometry(units.rect(AT_ABOUT_ICON));
    const auto add_line = [&](const QString& text, int x, int y, int width, int height) {
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(units.rect(x, y, width, height));
    };
    add_line(CUEDECK_ABOUT_TEXT, AT_ABOUT_VERSION);
    add_line(ui_text(TEXT_ABOUT_PURPOSE), AT_ABOUT_PURPOSE);
    add_line(ui_text(TEXT_ABOUT_COPYRIGHT), AT_ABOUT_COPYRIGHT);
    auto* ok = new QPushButton(ui_text(UI_TEXT("OK")), this);
    ok->setDefault(true);
    ok->setGeometry(units.rect(AT_ABOUT_OK));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace cuedeck

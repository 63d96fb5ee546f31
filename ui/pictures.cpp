#include "ui/pictures.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace cuedeck {

QPixmap stop_picture()
{
    constexpr int size = 128;
    QPixmap picture(size, size);
    // Round on whatever the window is, light or dark: a white ring keeps the
    // red disc clear of a dark or red background.
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 5));
    painter.setBrush(QColor(0xC8, 0x10, 0x10));
    painter.drawEllipse(QRectF(4, 4, size - 8, size - 8));
    painter.setPen(QPen(QColor(0x60, 0, 0), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));

    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(34);
    painter.setFont(font);
    painter.setPen(Qt::white); // 5.9:1 on the red
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, "STOP");
    return picture;
}

namespace {

QPixmap icon_picture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 32.0;

    // A dark read-out with a green play mark and a red zero tick.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x28, 0x38));
    painter.drawRoundedRect(QRectF(1 * unit, 4 * unit, 30 * unit, 24 * unit), 4 * unit, 4 * unit);
    painter.setBrush(QColor(0x40, 0xD0, 0x60));
    const QPointF play[] = {{8 * unit, 10 * unit}, {8 * unit, 22 * unit}, {18 * unit, 16 * unit}};
    painter.drawPolygon(play, 3);
    painter.setBrush(QColor(0xE0, 0x30, 0x30));
    painter.drawRect(QRectF(22 * unit, 9 * unit, 3 * unit, 14 * unit));
    return picture;
}

} // namespace

QIcon application_icon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(icon_picture(size));
    return icon;
}

} // namespace cuedeck

#include "ui/dialog_units.h"

#include <QFontMetrics>

namespace cuedeck {

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    // The average width of the 52 letters, rounded, as the dialog manager takes it.
    const int letters =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_base_width = (letters / 26 + 1) / 2;
    m_base_height = metrics.height();
}

int DialogUnits::x(int units) const
{
    return (units * m_base_width + 2) / 4;
}

int DialogUnits::y(int units) const
{
    return (units * m_base_height + 4) / 8;
}

QRect DialogUnits::rect(int x_units, int y_units, int width, int height) const
{
    return {x(x_units), y(y_units), x(width), y(height)};
}

QSize DialogUnits::size(int width, int height) const
{
    return {x(width), y(height)};
}

} // namespace cuedeck

#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace cuedeck {

/// Dialog units for a font: a horizontal unit is a quarter of the font's
/// average character width, a vertical unit an eighth of its height, so a
/// layout given in them keeps its proportions with any font.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int x, int y, int width, int height) const;
    QSize size(int width, int height) const;

private:
    int m_base_width = 0;
    int m_base_height = 0;
};

} // namespace cuedeck

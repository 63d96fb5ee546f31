#include "ui/qt_keys.h"

#include <Qt>

namespace cuedeck {

int virtual_key_from_qt(int qt_key)
{
    // Letters: Qt reports the capital, whatever the Shift state, as Windows does.
    if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z)
        return 'A' + (qt_key - Qt::Key_A);
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12)
        return 0x70 + (qt_key - Qt::Key_F1);
    switch (qt_key) {
    case Qt::Key_Backspace:
        return 0x08;
    case Qt::Key_Space:
        return 0x20;
    case Qt::Key_End:
        return 0x23;
    case Qt::Key_Home:
        return 0x24;
    case Qt::Key_Left:
        return 0x25;
    case Qt::Key_Up:
        return 0x26;
    case Qt::Key_Right:
        return 0x27;
    case Qt::Key_Down:
        return 0x28;
    default:
        return 0;
    }
}

} // namespace cuedeck

#include "ui/qt_keys.h"

#include <Qt>

namespace cuedeck {

std::optional<Key> key_from_qt(int qt_key, bool shift)
{
    if (shift && (qt_key == Qt::Key_Left || qt_key == Qt::Key_Right))
        return qt_key == Qt::Key_Left ? Key::ShiftLeft : Key::ShiftRight;
    // Letters: Qt reports the capital, whatever the Shift state.
    if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z)
        return letter_key(static_cast<char>('A' + (qt_key - Qt::Key_A)));
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)
        return digit_key(qt_key - Qt::Key_0);
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F35)
        return function_key(1 + (qt_key - Qt::Key_F1));
    switch (qt_key) {
    case Qt::Key_Backspace:
        return Key::Backspace;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_End:
        return Key::End;
    case Qt::Key_Home:
        return Key::Home;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_BracketLeft:
        return Key::LeftBracket;
    case Qt::Key_BracketRight:
        return Key::RightBracket;
    case Qt::Key_Equal:
        return Key::Equal;
    default:
        return std::nullopt;
    }
}

} // namespace cuedeck

#include "ui/win32/win32_keys.h"

namespace cuedeck {

std::optional<Key> key_from_virtual_key(WPARAM virtual_key, bool shift)
{
    if (shift && (virtual_key == VK_LEFT || virtual_key == VK_RIGHT))
        return virtual_key == VK_LEFT ? Key::ShiftLeft : Key::ShiftRight;
    // Letters: the capital's code, whatever the Shift state.
    if (virtual_key >= 'A' && virtual_key <= 'Z')
        return letter_key(static_cast<char>(virtual_key));
    if (virtual_key >= VK_F1 && virtual_key <= VK_F24)
        return function_key(1 + static_cast<int>(virtual_key - VK_F1));
    switch (virtual_key) {
    case VK_BACK:
        return Key::Backspace;
    case VK_SPACE:
        return Key::Space;
    case VK_END:
        return Key::End;
    case VK_HOME:
        return Key::Home;
    case VK_LEFT:
        return Key::Left;
    case VK_UP:
        return Key::Up;
    case VK_RIGHT:
        return Key::Right;
    case VK_DOWN:
        return Key::Down;
    default:
        return std::nullopt;
    }
}

UINT virtual_key_of(Key key)
{
    for (int number = 1; number <= 24; ++number) {
        if (function_key(number) == key)
            return VK_F1 + UINT(number - 1);
    }
    return 0;
}

} // namespace cuedeck

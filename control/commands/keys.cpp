#include "control/commands/keys.h"

namespace cuedeck {

std::optional<Key> letter_key(char capital)
{
    switch (capital) {
    case 'A':
        return Key::A;
    case 'E':
        return Key::E;
    case 'H':
        return Key::H;
    case 'I':
        return Key::I;
    case 'L':
        return Key::L;
    case 'W':
        return Key::W;
    case 'B':
        return Key::B;
    case 'D':
        return Key::D;
    case 'F':
        return Key::F;
    case 'N':
        return Key::N;
    case 'P':
        return Key::P;
    case 'R':
        return Key::R;
    case 'T':
        return Key::T;
    case 'U':
        return Key::U;
    case 'Z':
        return Key::Z;
    case 'X':
        return Key::X;
    case 'C':
        return Key::C;
    case 'V':
        return Key::V;
    case 'S':
        return Key::S;
    default:
        return std::nullopt;
    }
}

std::optional<Key> digit_key(int digit)
{
    constexpr Key keys[] = {Key::Digit1, Key::Digit2, Key::Digit3, Key::Digit4};
    if (digit < 1 || digit > 4)
        return std::nullopt;
    return keys[digit - 1];
}

std::optional<Key> function_key(int number)
{
    constexpr Key keys[] = {Key::F4, Key::F5,  Key::F6,  Key::F7, Key::F8,
                            Key::F9, Key::F10, Key::F11, Key::F12};
    if (number < 4 || number > 12)
        return std::nullopt;
    return keys[number - 4];
}

} // namespace cuedeck

#pragma once

#include <optional>

namespace cuedeck {

/// The keys the key table knows. Each front end translates its toolkit's key
/// codes into these, so the table is written once, in no toolkit's numbers.
enum class Key {
    Backspace,
    Space,
    End,
    Home,
    Left,
    Up,
    Right,
    Down,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    B,
    D,
    F,
    N,
    P,
    R,
    T,
    U,
    Z,
    LeftBracket,
    RightBracket,
    Equal,
    // The clarity aids and the loop, where the player has them.
    A,
    E,
    H,
    L,
    W,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    // The phrase keys, where the waveform shows phrases.
    ShiftLeft,
    ShiftRight,
    // Where the work stands, said by a screen reader.
    I,
    // The draft's cues: back, again and on under the left hand, and the
    // cue's loop above them.
    X,
    C,
    V,
    S,
};

/// The key of a capital letter, when the table knows it.
std::optional<Key> letter_key(char capital);
/// The key of a digit above the letters, when the table knows it.
std::optional<Key> digit_key(int digit);
/// The key of function key F`number`, when the table knows it.
std::optional<Key> function_key(int number);

} // namespace cuedeck

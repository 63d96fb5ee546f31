#pragma once

#include <string_view>

namespace cuedeck {

/// Whether UTF-8 `text` reads from right to left as a paragraph: its first
/// letter of a script that has a direction is Hebrew, Arabic or another
/// right-to-left one (digits, punctuation and marks decide nothing). A cue
/// such as "דוד: שלום" is set from the right; "Ann: שלום" and a text without
/// letters from the left.
bool reads_right_to_left(std::string_view text);

} // namespace cuedeck

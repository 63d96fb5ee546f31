#pragma once

#include <optional>

#include "control/commands/keys.h"

namespace cuedeck {

/// The key-table key for a Qt key code, if the table knows it; with Shift,
/// the arrows are the phrase keys (a letter is the letter whatever the Shift).
std::optional<Key> key_from_qt(int qt_key, bool shift = false);

} // namespace cuedeck

#pragma once

#include <optional>

#include "control/commands/keys.h"

namespace cuedeck {

/// The key-table key for a Qt key code, if the table knows it.
std::optional<Key> key_from_qt(int qt_key);

} // namespace cuedeck

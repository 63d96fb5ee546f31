#pragma once

#include <windows.h>

#include <optional>

#include "control/keys.h"

namespace cuedeck {

/// The key-table key for a Windows virtual-key code, if the table knows it.
std::optional<Key> key_from_virtual_key(WPARAM virtual_key);

} // namespace cuedeck

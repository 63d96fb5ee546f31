#pragma once

#include <windows.h>

#include <optional>

#include "control/commands/keys.h"

namespace cuedeck {

/// The key-table key for a Windows virtual-key code, if the table knows it;
/// `shift`: with Shift held (only the arrows differ).
std::optional<Key> key_from_virtual_key(WPARAM virtual_key, bool shift = false);
/// The virtual key of a function key of the table; 0 for the others.
UINT virtual_key_of(Key key);

} // namespace cuedeck

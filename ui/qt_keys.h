#pragma once

namespace cuedeck {

/// The Windows virtual-key code the key table speaks for a Qt key code, or
/// 0 for a key the table does not know.
int virtual_key_from_qt(int qt_key);

} // namespace cuedeck

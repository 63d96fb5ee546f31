#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "control/controller_view.h"

namespace cuedeck {

/// The system's file chooser, owned by `owner`. `filter` is in the
/// "Description (*.a)|*.a;*.b||" form; saving asks before replacing a file,
/// opening takes any typed name. Nothing when cancelled.
std::optional<std::string> choose_file_win32(HWND owner, FileDialogMode mode,
                                             const std::string& filter,
                                             const std::string& default_extension);

} // namespace cuedeck

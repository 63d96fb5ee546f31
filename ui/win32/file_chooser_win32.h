#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "control/run/controller_view.h"

namespace cuedeck {

/// The system's file chooser, owned by `owner`: saving asks before replacing
/// a file, opening takes any typed name. Nothing when cancelled.
std::optional<std::string> choose_file_win32(HWND owner, const FileChoice& choice);

/// The system's chooser of several recordings, or of a folder; empty when
/// cancelled.
std::vector<std::string> choose_recordings_win32(HWND owner, RecordingChoice choice);

} // namespace cuedeck

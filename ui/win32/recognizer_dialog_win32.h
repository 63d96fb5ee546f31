#pragma once

#include <windows.h>

#include "control/state/run_state.h"

namespace cuedeck {

/// Options, Recognizer: `values`' recognizer settings edited, with
/// `effective` the recognizer they choose now; true when OK was chosen.
bool edit_recognizer_win32(HINSTANCE instance, HWND owner, Options& values, int effective);

} // namespace cuedeck

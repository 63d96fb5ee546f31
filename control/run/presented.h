#pragma once

#include <string>

#include "control/run/controller_view.h"
#include "control/state/run_state.h"
#include "player/player_vocabulary.h"

namespace cuedeck {

/// What the window shows of the run and the player at one moment: built
/// once from what the run knows and what the player last said, and drawn
/// the same by either front end.
struct PresentedRun
{
    std::string playing;    ///< "2 of 3   2. tip.wav - mpv"
    std::string tip_length; ///< "1:23"
    std::string position;
    std::string counter; ///< the place from the zero mark
    std::string tip_timer;
    BarState bar;           ///< without the waveform, which the run adds where it has one
    cues::Shown draft_line; ///< empty without a draft, which the run adds where it has one

    friend bool operator==(const PresentedRun&, const PresentedRun&) = default;
};

/// The run as shown: `status` as the player last said it, `recording` the
/// name of its current recording (for one that cannot be played).
PresentedRun present_run(const PlayerStatus& status, const RunState& state,
                         const std::string& recording);

} // namespace cuedeck

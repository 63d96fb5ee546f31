#pragma once

#include <string>

#include "control/state/run_state.h"

namespace cuedeck::testing {

/// The Options dialog's first five values; the others as on a fresh machine.
inline Options options_with(int tip_time, const std::string& sound_file, int play_using,
                            int sound_on, int back_time)
{
    Options options;
    options.tip_time = tip_time;
    options.sound_file = sound_file;
    options.play_using = play_using;
    options.sound_on = sound_on;
    options.back_time = back_time;
    return options;
}

} // namespace cuedeck::testing

#pragma once

#include "control/run/command_bodies.h"
#include "control/run/controller.h"
#include "support/fake_player_backend.h"

namespace cuedeck::testing {

/// Places recorded by the zero command on a paused player: (0, 5 s),
/// (1, 3 s), (3, 7 s), then one undo; a further undo goes to tip 0, a redo
/// back to tip 1. The player is left paused on tip 1 at 3 s.
inline void record_three_places(Controller& controller, FakePlayerBackend& player)
{
    player.model.play_state = play_state::paused;
    player.model.playlist_length = 5;
    for (const auto& [tip, position] :
         {std::pair{0, 5000}, std::pair{1, 3000}, std::pair{3, 7000}}) {
        player.model.playlist_index = tip;
        player.model.position_ms = position;
        run_command(controller, Command::Zero);
    }
    run_command(controller, Command::Undo);
}

} // namespace cuedeck::testing

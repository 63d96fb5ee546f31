#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "control/controller.h"
#include "support/fake_player_backend.h"
#include "support/fake_system.h"
#include "support/fake_view.h"

namespace cuedeck::testing {

/// A controller wired to a fake window, player and machine. The player is
/// found and connected; its log starts empty.
class ControllerTest : public ::testing::Test
{
protected:
    ControllerTest()
    {
        controller.player().find();
        player.clear_log();
    }

    RunState& state() { return controller.state(); }

    /// A player paused or playing in a list of `length` tips.
    void player_in_list(int length, int index, int play_state, int position_ms,
                        int track_length_s = 300)
    {
        player.model.playlist_length = length;
        player.model.playlist_index = index;
        player.model.play_state = play_state;
        player.model.position_ms = position_ms;
        player.model.track_length_s = track_length_s;
    }

    /// The five requests of one status refresh, in order.
    static std::vector<std::string> refresh_traffic()
    {
        return {"caption", "PlaylistLength", "PlaylistIndex", "TrackLength", "Position"};
    }

    FakeView view;
    FakePlayerBackend player;
    FakeSystem system;
    Controller controller{view, player, system};
};

/// Concatenate traffic pieces into one expected sequence.
inline std::vector<std::string> sequence(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace cuedeck::testing

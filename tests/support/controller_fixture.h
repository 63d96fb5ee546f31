#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "control/run/command_bodies.h"
#include "control/run/controller.h"
#include "support/fake_player_backend.h"
#include "support/fake_system.h"
#include "support/fake_view.h"

namespace cuedeck::testing {

/// A controller wired to a fake window, player and machine. The player is
/// found and connected; its log starts empty.
class ControllerTest : public ::testing::Test
{
protected:
    /// `speeds`: the player changes speed, as mpv does.
    explicit ControllerTest(bool speeds = false) : player(speeds)
    {
        controller.connect_player();
        player.clear_log();
    }

    const RunState& state() const { return controller.state(); }

    /// Change the options as the options dialog's OK does.
    void set_options(const std::function<void(Options&)>& change)
    {
        Options options = controller.options();
        change(options);
        controller.apply_options(options);
    }
    void set_back_time(int seconds)
    {
        set_options([seconds](Options& options) { options.back_time = seconds; });
    }
    void set_sound(int on, int method, const std::string& file)
    {
        set_options([&](Options& options) {
            options.sound_on = on;
            options.play_using = method;
            options.sound_file = file;
        });
    }
    void set_tip_time(int minutes)
    {
        set_options([minutes](Options& options) { options.tip_time = minutes; });
    }

    /// A tape group file with these contents opened (as a dropped one is).
    void open_group(const std::string& path, const std::string& contents)
    {
        system.files[path] = contents;
        controller.open_tape_group(path);
        player.clear_log();
        view.clear();
    }

    /// The zero mark set at `ms` by the zero command, the player paused there
    /// for it and then put back as it was. The logs start empty again.
    void zero_at(int ms)
    {
        const FakePlayerBackend::Model model = player.model;
        player.model.play_state = play_state::paused;
        player.model.position_ms = ms;
        run_command(controller, Command::Zero);
        player.model = model;
        player.clear_log();
        view.clear();
    }

    /// The player moved to tip `index` by itself, seen by a refresh.
    void player_on_tip(int index)
    {
        player.model.playlist_index = index;
        controller.refresh();
        player.clear_log();
        view.clear();
    }

    /// The tip timer counting with `seconds` left: reset to its full count
    /// (whole minutes), started by a resume, counted down by ticks.
    void tip_timer_at(int seconds)
    {
        const int minutes = seconds >= 0 ? (seconds + 59) / 60 : seconds / 60;
        set_tip_time(minutes);
        run_command(controller, Command::TipTimer);
        const FakePlayerBackend::Model model = player.model;
        player.model.play_state = play_state::paused;
        run_command(controller, Command::PlayPause); // a resume starts the count
        for (int left = minutes * 60; left > seconds; --left)
            controller.tick();
        player.model = model;
        player.clear_log();
        view.clear();
    }

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

    /// The six requests of one status refresh, in order.
    static std::vector<std::string> refresh_traffic()
    {
        return {"caption",     "PlaylistLength", "PlaylistIndex",
                "TrackLength", "Position",       "PlayState"};
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

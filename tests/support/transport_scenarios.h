#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "control/run/command_bodies.h"
#include "control/run/controller.h"
#include "support/fake_player_backend.h"

namespace cuedeck::testing {

/// A transport command sequence run on a controller whose player starts in
/// `model`. The same scenarios run against the fake player, against a real
/// headless mpv and, on Windows, against a stand-in player window, so that
/// the outcomes and records can be compared.
struct TransportScenario
{
    const char* name;
    FakePlayerBackend::Model model;
    std::function<void(Controller&)> run;
};

inline void PrintTo(const TransportScenario& scenario, std::ostream* out)
{
    *out << scenario.name;
}

/// The options dialog's OK with one value changed.
inline void change_options(Controller& c, const std::function<void(Options&)>& change)
{
    Options options = c.options();
    change(options);
    c.apply_options(options);
}

inline std::vector<TransportScenario> transport_scenarios()
{
    // Three tips of twelve seconds, as the recordings the real mpv plays.
    const FakePlayerBackend::Model playing{1, 3, 1, 6000, 12, 50, "2. test - Winamp", ""};
    const FakePlayerBackend::Model paused{3, 3, 1, 6000, 12, 50, "2. test - Winamp", ""};
    const FakePlayerBackend::Model stopped{0, 3, 1, 0, 12, 50, "2. test - Winamp", ""};
    return {
        {"PlayPauseWhilePlayingWithBackTime", playing,
         [](Controller& c) {
             change_options(c, [](Options& o) { o.back_time = 5; });
             run_command(c, Command::PlayPause);
         }},
        {"PlayPauseNearTheStart",
         {1, 3, 1, 3200, 12, 50, "2. test - Winamp", ""},
         [](Controller& c) {
             change_options(c, [](Options& o) { o.back_time = 5; });
             run_command(c, Command::PlayPause);
         }},
        {"PlayPauseWhilePaused", paused, [](Controller& c) { run_command(c, Command::PlayPause); }},
        {"PlayPauseWhileStopped", stopped,
         [](Controller& c) { run_command(c, Command::PlayPause); }},
        {"ZeroRewindAndSkips", paused,
         [](Controller& c) {
             run_command(c, Command::Zero);
             run_command(c, Command::Forward5Seconds);
             run_command(c, Command::Back5Seconds);
             run_command(c, Command::Rewind);
         }},
        {"TipMovesAndUndo", playing,
         [](Controller& c) {
             run_command(c, Command::NextTip);
             run_command(c, Command::NextTip);
             run_command(c, Command::LastTip);
             run_command(c, Command::Undo);
             run_command(c, Command::Redo);
         }},
        {"VolumeAndTipTimer", playing,
         [](Controller& c) {
             run_command(c, Command::VolumeUp);
             run_command(c, Command::VolumeDown);
             change_options(c, [](Options& o) { o.tip_time = 2; });
             run_command(c, Command::TipTimer);
             c.tick();
         }},
        {"GoToTargetClamped", paused, [](Controller& c) { c.go_to(7, 5); }},
    };
}

/// The record without what only the fake can see: caption reads (the
/// Windows player's caption is read without a message) and hand-overs (a
/// separate program run).
inline std::vector<std::string> window_message_traffic(const std::vector<std::string>& record)
{
    std::vector<std::string> result;
    for (const std::string& event : record) {
        if (event != "caption" && event.rfind("hand_over ", 0) != 0 && event != "find" &&
            event != "start" && event != "abandon_start")
            result.push_back(event);
    }
    return result;
}

} // namespace cuedeck::testing

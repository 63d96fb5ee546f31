// The keys lent by the desktop portal (Wayland): from the portal's signal on
// a private session bus to the command carried out on a fake player. Held,
// "Play while held" plays; let go, it pauses with the step back. Run it under
// dbus-run-session, as the tests do; a press and a release each should take
// well under 20 ms.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>
#include <memory>
#include <optional>

#include "control/session/session.h"
#include "desktop/global_keys.h"
#include "gui/stand_in_portal.h"
#include "support/event_loop_poster.h"
#include "support/fake_player_backend.h"
#include "support/fake_session_window.h"
#include "support/fake_system.h"
#include "support/fake_view.h"

namespace cuedeck {
namespace {

using namespace testing;

/// A session on a fake player, paused at 12 s, whose keys the stand-in
/// portal has lent.
struct PortalRig
{
    PortalRig()
    {
        if (!on_bus.ok)
            return;
        session.attach(view, window);
        keys = std::make_unique<GlobalKeysSwitch>(
            session, std::make_unique<PortalKeyGrab>(QDBusConnection::sessionBus()));
        player.model.playlist_length = 3;
        player.model.play_state = play_state::paused;
        player.model.position_ms = 12000;
        Options options = session.controller().options();
        options.back_time = 5;
        options.global_keys = GlobalKeys::FunctionKeys;
        session.apply_options(options);
        ready = served_until([this] { return on_bus.portal.binds() == 1; });
    }

    /// From the signal sent to the player's state reached, in seconds; none
    /// when it was not reached in the tests' time.
    std::optional<double> signal_to(const char* signal, int play_state)
    {
        const auto start = std::chrono::steady_clock::now();
        on_bus.portal.send(signal, play_while_held.id);
        if (!served_until([&] { return player.model.play_state == play_state; }))
            return std::nullopt;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        player.clear_log();
        return took.count();
    }

    PortalOnBus on_bus;
    FakePlayerBackend player;
    FakeSystem system;
    FakeView view;
    FakeSessionWindow window;
    Session session{player, system, event_loop_poster()};
    std::unique_ptr<GlobalKeysSwitch> keys;
    bool ready = false;
};

/// Made in main, under the application, and ended before it.
std::unique_ptr<PortalRig> portal_rig;

/// Presses and releases the shortcut, timing the one asked for.
void press_and_release(benchmark::State& state, bool time_the_release)
{
    if (!portal_rig->ready) {
        state.SkipWithError("no session bus: run under dbus-run-session");
        return;
    }
    for (auto _ : state) {
        const auto pressed = portal_rig->signal_to("Activated", play_state::playing);
        const auto released = portal_rig->signal_to("Deactivated", play_state::paused);
        if (!pressed || !released) {
            state.SkipWithError("the player's state did not change");
            return;
        }
        state.SetIterationTime(time_the_release ? *released : *pressed);
    }
}

void press_to_play(benchmark::State& state)
{
    press_and_release(state, false);
}
BENCHMARK(press_to_play)->UseManualTime()->Unit(benchmark::kMillisecond);

void release_to_pause(benchmark::State& state)
{
    press_and_release(state, true);
}
BENCHMARK(release_to_pause)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace cuedeck

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    cuedeck::portal_rig = std::make_unique<cuedeck::PortalRig>();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    cuedeck::portal_rig.reset();
    return 0;
}

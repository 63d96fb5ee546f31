// How long the program waits for mpv: one raw get_property round trip on a
// connection of its own, one status refresh, and single commands, all against
// the same headless mpv in the same run, without and with every clarity aid
// on. Prints each one's ratio to the round trip at the end, and how much
// later each aid lets a click be heard.
#include <benchmark/benchmark.h>

#include "control/run/command_bodies.h"
#include "rig.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <thread>

#include "control/run/controller.h"
#include "control/session/session.h"
#include "player/mpv/mpv_backend.h"
#include "support/fake_system.h"
#include "support/fake_view.h"
#include "support/headless_mpv.h"
#include "support/rendered_mpv.h"

namespace cuedeck {
namespace {

using namespace testing;

/// One mpv for the whole run, paused on a tip.
struct MpvRig
{
    MpvRig()
    {
        if (!recordings.ok || !mpv.wait_until_listening())
            return;
        controller.connect_player();
        controller.open_playlist(recordings.playlist);
        controller.go_to(1, 4);
        probe = std::make_unique<MpvProbe>(mpv.socket_path());
        ready = controller.player_connected();
    }

    TempDir dir;
    TestRecordings recordings{dir, 60};
    HeadlessMpv mpv{dir.path() + "mpv.sock"};
    MpvBackend backend{{dir.path() + "mpv.sock", headless_mpv_program()}};
    FakeView view;
    FakeSystem system;
    Controller controller{view, backend, system};
    std::unique_ptr<MpvProbe> probe;
    bool ready = false;
};

MpvRig& rig()
{
    return cuedeck::rig<MpvRig>();
}

bool ready(benchmark::State& state)
{
    return cuedeck::ready<MpvRig>(state, "no headless mpv");
}

void RoundTrip(benchmark::State& state)
{
    if (!ready(state))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(rig().probe->number("playlist-pos"));
}
BENCHMARK(RoundTrip)->Unit(benchmark::kMicrosecond);

void Refresh(benchmark::State& state)
{
    if (!ready(state))
        return;
    for (auto _ : state)
        rig().controller.refresh();
}
BENCHMARK(Refresh)->Unit(benchmark::kMicrosecond);

/// The player's half of a refresh: the one exchange with mpv.
void Status(benchmark::State& state)
{
    if (!ready(state))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(rig().backend.status());
}
BENCHMARK(Status)->Unit(benchmark::kMicrosecond);

/// How far the place the window shows, from what mpv told, is from mpv's
/// own while it plays: each iteration reads the told place, then asks mpv,
/// then reads the told place again; mpv's answer lies between the two reads.
/// The window draws it within one following period of the tick later.
void ToldPlaceWhilePlaying(benchmark::State& state)
{
    if (!ready(state))
        return;
    rig().backend.command(PlayerCommand::Play);
    double worst = 0;
    double sum = 0;
    long count = 0;
    for (auto _ : state) {
        std::this_thread::sleep_for(std::chrono::milliseconds(7));
        const auto before = rig().backend.told_position();
        const double asked = rig().probe->number("time-pos") * 1000;
        const auto after = rig().backend.told_position();
        if (!before || !after)
            continue;
        // Off by as much as mpv's place lies outside the two told ones.
        const double off = std::max({0.0, double(*before) - asked, asked - double(*after)});
        worst = std::max(worst, off);
        sum += off;
        ++count;
    }
    rig().backend.command(PlayerCommand::Pause);
    state.counters["off_ms_mean"] = count > 0 ? sum / double(count) : 0;
    state.counters["off_ms_worst"] = worst;
    state.counters["drawn_within_ms"] = worst + Session::following_period_ms;
}
BENCHMARK(ToldPlaceWhilePlaying)->Iterations(300)->Unit(benchmark::kMillisecond);

void VolumeCommand(benchmark::State& state)
{
    if (!ready(state))
        return;
    bool up = true;
    for (auto _ : state) {
        rig().backend.command(up ? PlayerCommand::VolumeUp : PlayerCommand::VolumeDown);
        up = !up;
    }
}
BENCHMARK(VolumeCommand)->Unit(benchmark::kMicrosecond);

void Forward5SecondsCommand(benchmark::State& state)
{
    if (!ready(state))
        return;
    bool forward = true;
    for (auto _ : state) {
        rig().backend.command(forward ? PlayerCommand::Forward5Seconds
                                      : PlayerCommand::Back5Seconds);
        forward = !forward;
    }
}
BENCHMARK(Forward5SecondsCommand)->Unit(benchmark::kMicrosecond);

/// Each aid alone (in the order the sound passes them), then all of them.
constexpr ClarityAids aid_sets[] = {
    {.channel = Channel::Mixed},
    {.voice_band = true},
    {.reduce_noise = true},
    {.even_loudness = true},
    {.louder = true},
    {.reduce_noise = true,
     .voice_band = true,
     .even_loudness = true,
     .louder = true,
     .channel = Channel::Mixed},
};

/// The same commands with aids on: the chain is built once, at the switch,
/// so a refresh costs what it costs without; a jump makes mpv start each
/// filter afresh.
void RefreshWithEveryAid(benchmark::State& state)
{
    if (!ready(state))
        return;
    rig().controller.use_aids(aid_sets[5]);
    for (auto _ : state)
        rig().controller.refresh();
    rig().controller.use_aids({});
}
BENCHMARK(RefreshWithEveryAid)->Unit(benchmark::kMicrosecond);

void Forward5SecondsWithAids(benchmark::State& state)
{
    if (!ready(state))
        return;
    rig().controller.use_aids(aid_sets[state.range(0)]);
    bool forward = true;
    for (auto _ : state) {
        rig().backend.command(forward ? PlayerCommand::Forward5Seconds
                                      : PlayerCommand::Back5Seconds);
        forward = !forward;
    }
    rig().controller.use_aids({});
}
BENCHMARK(Forward5SecondsWithAids)
    ->ArgName("aids")
    ->DenseRange(0, 5)
    ->Unit(benchmark::kMicrosecond);

/// When a click two seconds in is first heard, in ms, through the aids
/// `switch_on` asks for; negative when nothing is.
double click_heard_ms(const std::function<void(Controller&)>& switch_on)
{
    const Samples out = render("synth 2 sine 1000 vol 0 : synth 0.005 sine 1000 vol 0.5 : "
                               "synth 1 sine 1000 vol 0",
                               switch_on);
    for (std::size_t i = 96000 - 4800; i < out.left.size(); ++i) {
        if (std::fabs(out.left[i]) > 0.05f)
            return double(i) * 1000.0 / 48000.0;
    }
    return -1;
}

/// How much later than without aids a click is heard with one aid: what an
/// aid adds to every pause, step back and jump. Counted, not timed.
void AddedDelay(benchmark::State& state)
{
    const std::function<void(Controller&)> aids[] = {
        [](Controller& c) { run_command(c, Command::ChannelMixed); },
        [](Controller& c) { run_command(c, Command::VoiceBand); },
        [](Controller& c) { run_command(c, Command::ReduceNoise); },
        [](Controller& c) { run_command(c, Command::EvenLoudness); },
        [](Controller& c) { run_command(c, Command::Louder); },
    };
    const double plain = click_heard_ms([](Controller&) {});
    double with_aid = -1;
    for (auto _ : state)
        with_aid = click_heard_ms(aids[state.range(0)]);
    if (plain < 0 || with_aid < 0) {
        state.SkipWithError("no click heard");
        return;
    }
    state.counters["added_ms"] = with_aid - plain;
}
BENCHMARK(AddedDelay)
    ->ArgName("aid")
    ->DenseRange(0, 4)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

/// The console output, plus each benchmark's time per iteration kept by name.

/// Whether a run ended in an error: Google Benchmark 1.7 tells it by
/// error_occurred, 1.8 and later by skipped.
template <typename BenchmarkRun> bool failed(const BenchmarkRun& run)
{
    if constexpr (requires { run.skipped; })
        return static_cast<int>(run.skipped) != 0;
    else
        return run.error_occurred;
}

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.iterations > 0 && !failed(run))
                times[run.benchmark_name()] = run.real_accumulated_time / run.iterations;
        }
    }
    std::map<std::string, double> times;
};

} // namespace
} // namespace cuedeck

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    cuedeck::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& times = reporter.times;
    const auto round_trip = times.find("RoundTrip");
    if (round_trip != times.end() && round_trip->second > 0) {
        std::printf("\nratio to one round trip (%.1f us):\n", round_trip->second * 1e6);
        for (const auto& [name, seconds] : times)
            std::printf("  %-18s %6.2f\n", name.c_str(), seconds / round_trip->second);
    }
    benchmark::Shutdown();
    return 0;
}

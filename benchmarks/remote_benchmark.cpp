// Cuedeck driven from outside, as a desktop shortcut or a foot pedal tool
// drives it: from the start of `cuedeck --command play-pause` to mpv's
// change of state, beside one raw round trip to the same mpv; and the CPU
// the running program spends in ten idle seconds, paused, with the media
// interface on (run it under dbus-run-session for that).
#include <benchmark/benchmark.h>

#include "rig.h"

#include <fstream>
#include <memory>
#include <sstream>

#include "gui/program.h"

namespace cuedeck {
namespace {

using namespace testing;

/// The program, paused on a tip of a group, with mpv listening.
struct ProgramRig
{
    ProgramRig()
    {
        if (!recordings.ok)
            return;
        group = dir.write("group.grp", recordings.playlist + "\n2\n0:01\n");
        program = std::make_unique<Program>(dir, std::vector<std::string>{group}, true);
        if (!player_listens(dir))
            return;
        probe = std::make_unique<MpvProbe>(Program::socket(dir));
        ready = probe->wait_for_number("playlist-pos", 1);
    }

    /// User and system CPU time of the program so far, in clock ticks.
    long cpu_ticks() const
    {
        std::ifstream file("/proc/" + std::to_string(program->pid()) + "/stat");
        std::string line;
        std::getline(file, line);
        // The fields after the command name, which is in parentheses.
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string field;
        long utime = 0, stime = 0;
        for (int number = 3; fields >> field; ++number) {
            if (number == 14)
                utime = std::stol(field);
            if (number == 15) {
                stime = std::stol(field);
                break;
            }
        }
        return utime + stime;
    }

    /// CPU time of the program so far to the nanosecond, as the scheduler counts it.
    double cpu_ms() const
    {
        std::ifstream file("/proc/" + std::to_string(program->pid()) + "/schedstat");
        double nanoseconds = 0;
        file >> nanoseconds;
        return nanoseconds / 1e6;
    }

    TempDir dir;
    TestRecordings recordings{dir, 600};
    std::string group;
    std::unique_ptr<Program> program;
    std::unique_ptr<MpvProbe> probe;
    bool ready = false;
};

ProgramRig& rig()
{
    return cuedeck::rig<ProgramRig>();
}

bool ready(benchmark::State& state)
{
    return cuedeck::ready<ProgramRig>(state, "the program or its mpv did not start");
}

void RawRoundTrip(benchmark::State& state)
{
    if (!ready(state))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(rig().probe->get("pause"));
}
BENCHMARK(RawRoundTrip)->Unit(benchmark::kMicrosecond);

/// Process start to mpv's pause flag flipping; each run toggles it.
void CommandLineToPlayer(benchmark::State& state)
{
    if (!ready(state))
        return;
    const std::vector<std::string> arguments = {"--command", "play-pause"};
    for (auto _ : state) {
        const bool paused = rig().probe->flag("pause");
        const auto start = std::chrono::steady_clock::now();
        Program sender(rig().dir, arguments);
        // Polled gently: two cores are shared by mpv, Cuedeck and the sender.
        while (rig().probe->flag("pause") == paused &&
               std::chrono::steady_clock::now() - start < std::chrono::seconds(5))
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (sender.wait_for_exit() != 0)
            state.SkipWithError("cuedeck --command failed");
    }
}
BENCHMARK(CommandLineToPlayer)->UseManualTime()->Unit(benchmark::kMillisecond);

/// Clock ticks (1/100 s) and milliseconds of CPU the program spends in ten
/// seconds, paused and left alone: its once-a-second tick asks mpv for the
/// status; the media interface sends nothing.
void IdleTicksOverTenSeconds(benchmark::State& state)
{
    if (!ready(state))
        return;
    // Paused, whatever the runs before left.
    if (!rig().probe->flag("pause"))
        Program(rig().dir, {"--command", "play-pause"}).wait_for_exit();
    for (auto _ : state) {
        const long ticks = rig().cpu_ticks();
        const double ms = rig().cpu_ms();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        state.counters["cpu_ticks"] = double(rig().cpu_ticks() - ticks);
        state.counters["cpu_ms"] = rig().cpu_ms() - ms;
    }
}
BENCHMARK(IdleTicksOverTenSeconds)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace cuedeck

BENCHMARK_MAIN();

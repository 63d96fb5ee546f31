// Cuedeck driven from outside, as a desktop shortcut or a foot pedal tool
// drives it: from the start of `cuedeck --command play-pause` to mpv's
// change of state, beside one raw round trip to the same mpv; and the CPU
// the running program spends in ten idle seconds, paused, with the media
// interface on (run it under dbus-run-session for that); and how soon a
// cold start shows a window that answers, beside its player's first answer.
#include <benchmark/benchmark.h>

#include "rig.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

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
        benchmark::DoNotOptimize(rig().probe->flag("pause"));
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

/// Process start to mpv's pause flag flipping, `count` times, sorted.
std::vector<double> command_latencies_ms(const TempDir& dir, MpvProbe& probe, int count)
{
    std::vector<double> latencies;
    for (int i = 0; i < count; ++i) {
        const bool paused = probe.flag("pause");
        const auto start = std::chrono::steady_clock::now();
        Program sender(dir, {"--command", "play-pause"});
        while (probe.flag("pause") == paused &&
               std::chrono::steady_clock::now() - start < std::chrono::seconds(5))
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        latencies.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        sender.wait_for_exit();
    }
    std::sort(latencies.begin(), latencies.end());
    return latencies;
}

/// The same at rest and while a recognizer keeps every core busy (as
/// whisper does; here a stand-in of the user's, run as any is, at a lower
/// priority): the 99th percentile of each, and their ratio. Aimed at: at
/// most 1.5.
void CommandLineToPlayerWhileADraftIsMade(benchmark::State& state)
{
    TempDir dir;
    TestRecordings recordings{dir, 600};
    std::filesystem::create_directories(dir.path() + "config/cuedeck");
    const unsigned cores = std::max(std::thread::hardware_concurrency(), 1U);
    dir.write("config/cuedeck/cuedeck.dat",
              "Recognizer\n3\nRecognizerCommand\nsh -c 'for i in $(seq " + std::to_string(cores) +
                  "); do (while :; do :; done) & done; wait'\n");
    const std::string group = dir.write("group.grp", recordings.playlist + "\n2\n0:01\n");
    Program program(dir, {group});
    if (!recordings.ok || !player_listens(dir)) {
        state.SkipWithError("no recordings, or the program's mpv did not start");
        return;
    }
    MpvProbe probe(Program::socket(dir));
    probe.wait_for_number("playlist-pos", 1);
    for (auto _ : state) {
        const auto idle = command_latencies_ms(dir, probe, 40);
        if (Program(dir, {"--command", "make-draft"}).wait_for_exit() != 0) {
            state.SkipWithError("make-draft was refused");
            return;
        }
        std::this_thread::sleep_for(std::chrono::seconds(2)); // its audio made, the cores busy
        const auto drafting = command_latencies_ms(dir, probe, 40);
        Program(dir, {"--command", "stop-making-draft"}).wait_for_exit();
        const auto p99 = [](const std::vector<double>& sorted) {
            return sorted[std::min(sorted.size() - 1, sorted.size() * 99 / 100)];
        };
        state.counters["idle_p99_ms"] = p99(idle);
        state.counters["drafting_p99_ms"] = p99(drafting);
        state.counters["ratio"] = p99(drafting) / p99(idle);
    }
}
BENCHMARK(CommandLineToPlayerWhileADraftIsMade)->Iterations(1)->Unit(benchmark::kSecond);

/// The same, while the foot pedal's pipe never stops giving records (a
/// faulty device, a flood): the program reads a bounded amount a turn, so a
/// command still reaches mpv at once. Aimed at: under 100 ms.
void CommandLineToPlayerUnderPedalFlood(benchmark::State& state)
{
    TempDir dir;
    TestRecordings recordings{dir, 600};
    const std::string pipe = dir.path() + "pedal";
    std::filesystem::create_directories(dir.path() + "config/cuedeck");
    if (!recordings.ok || ::mkfifo(pipe.c_str(), 0600) != 0) {
        state.SkipWithError("no recordings or no pipe");
        return;
    }
    dir.write("config/cuedeck/cuedeck.dat",
              "PedalDevice\n" + pipe + "\nPedalButtons\n256 257 258\nPedalMode\n0\n");
    const std::string group = dir.write("group.grp", recordings.playlist + "\n2\n0:01\n");
    Program program(dir, {group});
    std::atomic<bool> flooding = true;
    // Reports with nothing in them, as fast as the pipe takes them.
    std::thread flood([&] {
        const int fd = ::open(pipe.c_str(), O_WRONLY | O_CLOEXEC);
        const std::string records(64 * 1024, '\0');
        while (fd >= 0 && flooding && ::write(fd, records.data(), records.size()) > 0) {
        }
        if (fd >= 0)
            ::close(fd);
    });
    if (player_listens(dir)) {
        MpvProbe probe(Program::socket(dir));
        if (probe.wait_for_number("playlist-pos", 1)) {
            for (auto _ : state) {
                const bool paused = probe.flag("pause");
                const auto start = std::chrono::steady_clock::now();
                Program sender(dir, {"--command", "play-pause"});
                while (probe.flag("pause") == paused &&
                       std::chrono::steady_clock::now() - start < std::chrono::seconds(5))
                    std::this_thread::sleep_for(std::chrono::microseconds(500));
                state.SetIterationTime(
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                        .count());
                if (sender.wait_for_exit() != 0)
                    state.SkipWithError("cuedeck --command failed under the flood");
            }
        } else {
            state.SkipWithError("mpv did not reach the tip");
        }
    } else {
        state.SkipWithError("the program's mpv did not start");
    }
    flooding = false;
    // The reader may be gone: opening the pipe again unblocks a writer waiting.
    const int unblock = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    flood.join();
    if (unblock >= 0)
        ::close(unblock);
}
BENCHMARK(CommandLineToPlayerUnderPedalFlood)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

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

/// Resident memory of a process, in MiB (VmRSS); 0 when it is gone.
double resident_mib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::stod(line.substr(6)) / 1024;
    }
    return 0;
}

/// A field of a process's memory summed over its mappings (smaps_rollup),
/// in MiB: "Pss:" its proportional share, "Anonymous:" what is its own alone.
double rollup_mib(pid_t pid, const std::string& field)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    for (std::string line; std::getline(rollup, line);) {
        if (line.starts_with(field))
            return std::stod(line.substr(field.size())) / 1024;
    }
    return 0;
}

/// What the program and its player keep resident, paused on a tip of a
/// group once its waveform is made: the program's resident memory and its
/// proportional share, and the pair's share (the libraries both map counted
/// once between them). With CUEDECK_BEFORE naming another build of the
/// program (an earlier one, say), that build is measured in the same run,
/// side by side.
void ResidentMemoryOfCuedeckAndItsPlayer(benchmark::State& state)
{
    if (!ready(state))
        return;
    std::vector<std::pair<std::string, std::string>> builds = {{"now", CUEDECK_PROGRAM}};
    if (const char* before = std::getenv("CUEDECK_BEFORE"); before != nullptr && *before != 0)
        builds.insert(builds.begin(), {"before", before});
    for (auto _ : state) {
        std::printf("%-8s %12s %12s %12s %12s\n", "build", "cuedeck MiB", "cuedeck PSS", "mpv PSS",
                    "pair PSS");
        for (const auto& [name, path] : builds) {
            TempDir dir;
            const std::string group =
                dir.write("group.grp", rig().recordings.playlist + "\n2\n0:01\n");
            Program program(dir, {group}, false, false, path);
            if (!player_listens(dir)) {
                state.SkipWithError("mpv did not start");
                return;
            }
            MpvProbe probe(Program::socket(dir));
            const auto player = static_cast<pid_t>(probe.number("pid"));
            probe.wait_for_number("playlist-pos", 1);
            // The waveform is made meanwhile (a 10-minute recording).
            std::this_thread::sleep_for(std::chrono::seconds(3));
            const double own = rollup_mib(program.pid(), "Pss:");
            const double mpv = rollup_mib(player, "Pss:");
            std::printf("%-8s %12.1f %12.1f %12.1f %12.1f\n", name.c_str(),
                        resident_mib(program.pid()), own, mpv, own + mpv);
            state.counters[name + "_cuedeck_mib"] = resident_mib(program.pid());
            state.counters[name + "_cuedeck_pss_mib"] = own;
            state.counters[name + "_pair_pss_mib"] = own + mpv;
        }
    }
}
BENCHMARK(ResidentMemoryOfCuedeckAndItsPlayer)->Iterations(1);

/// A cold start: from the process start to the window's event loop answering
/// (the one-copy channel is answered from it, once the window is up), beside
/// the time to the player's first answer on the group's tip. The window no
/// longer waits for the player.
void ColdStartWindowBesidePlayer(benchmark::State& state)
{
    if (!ready(state))
        return;
    using Clock = std::chrono::steady_clock;
    const auto ms_since = [](Clock::time_point start) {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    double window_total = 0, player_total = 0;
    for (auto _ : state) {
        TempDir dir;
        const std::string group = dir.write("group.grp", rig().recordings.playlist + "\n2\n0:01\n");
        const std::string channel = Program::runtime(dir) + "/cuedeck/cuedeck.socket";
        const auto start = Clock::now();
        Program program(dir, {group});
        double window_ms = -1;
        while (window_ms < 0 && ms_since(start) < 10000) {
            UnixSocket socket;
            std::string answer;
            if (socket.connect(channel) &&
                socket.send_all("hello\n", UnixSocket::Clock::now() + std::chrono::seconds(5)) ==
                    UnixSocket::Status::Ok &&
                socket.receive(answer, UnixSocket::Clock::now() + std::chrono::seconds(5)) ==
                    UnixSocket::Status::Ok)
                window_ms = ms_since(start);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        double player_ms = -1;
        if (player_listens(dir)) {
            MpvProbe probe(Program::socket(dir));
            if (probe.wait_for_number("playlist-pos", 1))
                player_ms = ms_since(start);
        }
        state.SetIterationTime(window_ms / 1000);
        window_total += window_ms;
        player_total += player_ms;
        if (window_ms < 0 || player_ms < 0)
            state.SkipWithError("the window or the player did not answer");
    }
    state.counters["window_ms"] = window_total / double(state.iterations());
    state.counters["player_on_tip_ms"] = player_total / double(state.iterations());
}
BENCHMARK(ColdStartWindowBesidePlayer)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace cuedeck

BENCHMARK_MAIN();

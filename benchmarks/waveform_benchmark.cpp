// How fast a tip's waveform is made, beside FFmpeg's own decoding of the
// same file (`ffmpeg -i FILE -f null -`) in the same run: the whole of it,
// the first part around the place, the waveform from the cache; how much the
// program's memory grows meanwhile, and how long a command waits while the
// decoder works. An hour of MP3 and of WAV, made here (CUEDECK_BENCH_MINUTES
// makes them shorter, as the tests do); the figures are printed at the end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "control/run/command_bodies.h"
#include "control/run/controller.h"
#include "support/fake_player_backend.h"
#include "support/fake_system.h"
#include "support/fake_view.h"
#include "system/waveforms.h"

namespace cuedeck {
namespace {

using namespace testing;
using Clock = std::chrono::steady_clock;

int minutes()
{
    const char* set = std::getenv("CUEDECK_BENCH_MINUTES");
    const int chosen = set != nullptr ? std::atoi(set) : 60;
    return std::clamp(chosen, 1, 180);
}

/// Speech-like: 2.5 s of sound, 0.5 s of quiet, over and over.
struct Recordings
{
    Recordings()
    {
        folder = (std::filesystem::temp_directory_path() /
                  ("cuedeck-bench-" + std::to_string(minutes()) + "min"))
                     .string() +
                 "/";
        std::filesystem::create_directories(folder);
        wav = folder + "talk.wav";
        mp3 = folder + "talk.mp3";
        const std::string pattern = folder + "pattern.wav";
        if (!std::filesystem::exists(wav))
            ok = std::system(
                     ("sox -q -n -r 22050 -b 16 -c 1 '" + pattern +
                      "' synth 2.5 pinknoise vol 0.5 : synth 0.5 sine 300 vol 0 && sox -q '" +
                      pattern + "' '" + wav + "' repeat " + std::to_string(minutes() * 20 - 1))
                         .c_str()) == 0;
        if (ok && !std::filesystem::exists(mp3))
            ok = std::system(("ffmpeg -loglevel error -y -i '" + wav + "' -b:a 64k '" + mp3 + "'")
                                 .c_str()) == 0;
    }
    std::string folder, wav, mp3;
    bool ok = true;
};

Recordings& recordings()
{
    static Recordings made;
    return made;
}

std::string file_of(int kind)
{
    return kind == 0 ? recordings().wav : recordings().mp3;
}

long resident_kb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::atol(line.c_str() + 6);
    }
    return 0;
}

double seconds_since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Figures
{
    double ffmpeg_s = 0, whole_s = 0, first_ms = 0, cached_ms = 0, grown_mb = 0, command_p99_ms = 0;
};
std::map<int, Figures> figures;

void FfmpegReference(benchmark::State& state)
{
    const std::string path = file_of(int(state.range(0)));
    for (auto _ : state) {
        const auto start = Clock::now();
        if (std::system(("ffmpeg -loglevel error -nostdin -i '" + path + "' -f null -").c_str()) !=
            0)
            state.SkipWithError("ffmpeg failed");
        const double took = seconds_since(start);
        state.SetIterationTime(took);
        figures[int(state.range(0))].ffmpeg_s = took;
    }
}

/// The whole waveform, with a command carried out every 2 ms meanwhile on
/// this thread (the window's): the controller against a stand-in player.
void WholeWaveform(benchmark::State& state)
{
    const std::string path = file_of(int(state.range(0)));
    FakePlayerBackend player(true);
    player.model = {1, 1, 0, 0, minutes() * 60, 50, "talk", ""};
    FakeView view;
    FakeSystem system;
    Controller controller(view, player, system);
    controller.connect_player();
    Figures& found = figures[int(state.range(0))];
    const int near_ms = minutes() * 30'000; // the middle of the tip
    {
        // FFmpeg's code and tables are loaded at its first use, once a run.
        const auto warm = decoded_waveforms({}, CUEDECK_TEST_HELPER);
        while (!(warm->waveform(recordings().folder + "pattern.wav", 0) &&
                 warm->waveform(recordings().folder + "pattern.wav", 0)->complete))
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    for (auto _ : state) {
        const long before_kb = resident_kb();
        long most_kb = before_kb;
        std::vector<double> waits_ms;
        const auto made = decoded_waveforms({}, CUEDECK_TEST_HELPER); // no cache
        const auto start = Clock::now();
        bool first_seen = false;
        for (;;) {
            const auto shown = made->waveform(path, near_ms);
            if (!first_seen && shown &&
                shown->levels.size() > std::size_t(near_ms / waveform::stretch_ms) &&
                shown->levels[std::size_t(near_ms / waveform::stretch_ms)] != 0) {
                found.first_ms = seconds_since(start) * 1000;
                first_seen = true;
            }
            if (shown && shown->complete)
                break;
            const auto asked = Clock::now();
            run_command(controller, Command::Forward5Seconds);
            waits_ms.push_back(seconds_since(asked) * 1000);
            most_kb = std::max(most_kb, resident_kb());
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        const double took = seconds_since(start);
        state.SetIterationTime(took);
        found.whole_s = took;
        found.grown_mb = double(most_kb - before_kb) / 1024;
        std::sort(waits_ms.begin(), waits_ms.end());
        found.command_p99_ms = waits_ms.empty() ? 0 : waits_ms[waits_ms.size() * 99 / 100];
    }
}

void CachedWaveform(benchmark::State& state)
{
    const std::string path = file_of(int(state.range(0)));
    const std::string cache = recordings().folder + "cache/";
    {
        const auto first = decoded_waveforms(cache, CUEDECK_TEST_HELPER); // fills the cache
        while (!(first->waveform(path, 0) && first->waveform(path, 0)->complete))
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    for (auto _ : state) {
        const auto again = decoded_waveforms(cache, CUEDECK_TEST_HELPER);
        const auto start = Clock::now();
        while (!(again->waveform(path, 0) && again->waveform(path, 0)->complete))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        const double took = seconds_since(start);
        state.SetIterationTime(took);
        figures[int(state.range(0))].cached_ms = took * 1000;
    }
}

BENCHMARK(FfmpegReference)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(WholeWaveform)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CachedWaveform)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace cuedeck

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (!cuedeck::recordings().ok) {
        std::fprintf(stderr, "sox or ffmpeg could not make the recordings\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    std::printf("\n%d-minute recordings    whole    ffmpeg   ratio  first part  cached  memory  "
                "command p99\n",
                cuedeck::minutes());
    for (const auto& [kind, found] : cuedeck::figures) {
        std::printf("%-22s %6.2f s %6.2f s %6.2f %8.0f ms %5.1f ms %5.1f MB %8.2f ms\n",
                    kind == 0 ? "WAV (22 kHz, 16 bits)" : "MP3 (64 kbit/s)", found.whole_s,
                    found.ffmpeg_s, found.ffmpeg_s > 0 ? found.whole_s / found.ffmpeg_s : 0.0,
                    found.first_ms, found.cached_ms, found.grown_mb, found.command_p99_ms);
    }
    benchmark::Shutdown();
    return 0;
}

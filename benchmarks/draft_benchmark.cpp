// Reading a long draft, and finding the cue at a place in it. A ten-hour
// recording makes about 12,000 cues: it should be read in well under 50 ms
// and held in no more than three times its file's size; the cue at a place
// is found as quickly in it as in a short one.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "control/state/cues.h"
#include "files/draft_format.h"

namespace {

using namespace cuedeck;

constexpr int ten_hours_cues = 12000;

std::string srt_of(int cue_count)
{
    std::string text;
    for (int i = 0; i < cue_count; ++i) {
        char times[64];
        const int start = i * 3000;
        std::snprintf(times, sizeof times, "%02d:%02d:%02d,%03d --> %02d:%02d:%02d,%03d",
                      start / 3600000, start / 60000 % 60, start / 1000 % 60, start % 1000,
                      (start + 2900) / 3600000, (start + 2900) / 60000 % 60,
                      (start + 2900) / 1000 % 60, (start + 2900) % 1000);
        text += std::to_string(i + 1) + "\n" + times + "\n" +
                " and so, my fellow Americans, ask not what your country can do\n\n";
    }
    return text;
}

/// What the cues hold in memory: the vector and the texts beyond their
/// strings' own room.
std::size_t held_bytes(const Draft& draft)
{
    std::size_t held = draft.cues.capacity() * sizeof(Cue);
    for (const Cue& cue : draft.cues) {
        for (const std::string* text : {&cue.text, &cue.speaker})
            held += text->capacity() > 15 ? text->capacity() + 1 : 0;
    }
    return held;
}

void ReadTenHourSrt(benchmark::State& state)
{
    const std::string file = srt_of(ten_hours_cues);
    std::size_t held = 0;
    for (auto _ : state) {
        const Draft draft = read_draft(file);
        held = held_bytes(draft);
        benchmark::DoNotOptimize(draft.cues.data());
    }
    state.counters["file_MB"] = double(file.size()) / 1e6;
    state.counters["held_per_file_byte"] = double(held) / double(file.size());
}
BENCHMARK(ReadTenHourSrt)->Unit(benchmark::kMillisecond);

void ReadTenHourTranscript(benchmark::State& state)
{
    const Draft cues = read_draft(srt_of(ten_hours_cues));
    const std::string file = cues::transcript(cues, 1, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(read_draft(file).cues.data());
    state.counters["file_MB"] = double(file.size()) / 1e6;
}
BENCHMARK(ReadTenHourTranscript)->Unit(benchmark::kMillisecond);

/// The draft line's work at each tick: the cue heard and the next.
void CueAtPlace(benchmark::State& state)
{
    const Draft draft = read_draft(srt_of(int(state.range(0))));
    int place = 0;
    const int length = int(state.range(0)) * 3000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cues::shown(draft, place));
        place = (place + 7919) % length;
    }
}
BENCHMARK(CueAtPlace)->Arg(100)->Arg(ten_hours_cues)->Arg(10 * ten_hours_cues);

} // namespace

BENCHMARK_MAIN();

// Reading a long draft, and finding the cue at a place in it. A ten-hour
// recording makes about 12,000 cues: it should be read in well under 50 ms,
// needing at no moment of the read more than three times its file's size;
// the cue at a place is found as quickly in it as in a short one.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "control/state/cues.h"
#include "files/draft_format.h"

namespace {

/// Every byte the program has from the heap now, and the most it had since
/// `peak_from_now()`.
std::atomic<std::size_t> live_bytes{0};
std::atomic<std::size_t> peak_bytes{0};

void* counted(void* memory)
{
    if (memory == nullptr)
        throw std::bad_alloc();
    const std::size_t live = live_bytes += malloc_usable_size(memory);
    std::size_t peak = peak_bytes.load();
    while (live > peak && !peak_bytes.compare_exchange_weak(peak, live)) {
    }
    return memory;
}

void uncounted(void* memory)
{
    if (memory == nullptr)
        return;
    live_bytes -= malloc_usable_size(memory);
    std::free(memory);
}

std::size_t peak_from_now()
{
    peak_bytes = live_bytes.load();
    return live_bytes;
}

} // namespace

void* operator new(std::size_t size)
{
    return counted(std::malloc(size ? size : 1));
}
void* operator new[](std::size_t size)
{
    return counted(std::malloc(size ? size : 1));
}
void* operator new(std::size_t size, std::align_val_t align)
{
    return counted(std::aligned_alloc(std::size_t(align), (size + std::size_t(align) - 1) /
                                                              std::size_t(align) *
                                                              std::size_t(align)));
}
void* operator new[](std::size_t size, std::align_val_t align)
{
    return operator new(size, align);
}
void operator delete(void* memory) noexcept
{
    uncounted(memory);
}
void operator delete[](void* memory) noexcept
{
    uncounted(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    uncounted(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    uncounted(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept
{
    uncounted(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept
{
    uncounted(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept
{
    uncounted(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept
{
    uncounted(memory);
}

namespace {

using namespace cuedeck;

constexpr int ten_hours_cues = 12000;
constexpr const char* said = " and so, my fellow Americans, ask not what your country can do";

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
        text += std::to_string(i + 1) + "\n" + times + "\n" + said + "\n\n";
    }
    return text;
}

/// What whisper-cli -oj writes, tabs and all.
std::string whisper_cpp_json_of(int cue_count)
{
    std::string text = "{\n\t\"systeminfo\": \"AVX = 1 | AVX2 = 1 | F16C = 1\",\n"
                       "\t\"model\": {\n\t\t\"type\": \"base\",\n\t\t\"multilingual\": true\n\t},\n"
                       "\t\"result\": {\n\t\t\"language\": \"en\"\n\t},\n"
                       "\t\"transcription\": [\n";
    for (int i = 0; i < cue_count; ++i) {
        char item[400];
        const int start = i * 3000;
        const int end = start + 2900;
        std::snprintf(item, sizeof item,
                      "\t\t{\n\t\t\t\"timestamps\": {\n\t\t\t\t\"from\": "
                      "\"%02d:%02d:%02d,%03d\",\n\t\t\t\t\"to\": \"%02d:%02d:%02d,%03d\"\n"
                      "\t\t\t},\n\t\t\t\"offsets\": {\n\t\t\t\t\"from\": %d,\n\t\t\t\t\"to\": "
                      "%d\n\t\t\t},\n\t\t\t\"text\": \"%s\"\n\t\t}%s\n",
                      start / 3600000, start / 60000 % 60, start / 1000 % 60, start % 1000,
                      end / 3600000, end / 60000 % 60, end / 1000 % 60, end % 1000, start, end,
                      said, i + 1 < cue_count ? "," : "");
        text += item;
    }
    return text + "\t]\n}\n";
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

/// A ten-hour draft read again and again: how long, what the cues hold
/// after, and the most the read needed at once beyond the file's own bytes.
void read_ten_hours(benchmark::State& state, const std::string& file)
{
    std::size_t held = 0;
    std::size_t peak = 0;
    for (auto _ : state) {
        const std::size_t before = peak_from_now();
        const Draft draft = read_draft(file);
        peak = std::max(peak, peak_bytes - before);
        held = held_bytes(draft);
        benchmark::DoNotOptimize(draft.cues.data());
    }
    state.counters["file_MB"] = double(file.size()) / 1e6;
    state.counters["held_per_file_byte"] = double(held) / double(file.size());
    state.counters["peak_per_file_byte"] = double(peak) / double(file.size());
}

void ReadTenHourSrt(benchmark::State& state)
{
    read_ten_hours(state, srt_of(ten_hours_cues));
}
BENCHMARK(ReadTenHourSrt)->Unit(benchmark::kMillisecond);

void ReadTenHourWhisperCppJson(benchmark::State& state)
{
    read_ten_hours(state, whisper_cpp_json_of(ten_hours_cues));
}
BENCHMARK(ReadTenHourWhisperCppJson)->Unit(benchmark::kMillisecond);

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

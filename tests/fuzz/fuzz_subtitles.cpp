// Reads arbitrary bytes as a subtitle draft (SRT or WebVTT): never a crash
// however long or odd the text, and every cue read is one that can be: not
// before the start, not ending before it starts, in order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/draft_format.h"

using namespace cuedeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Draft draft = read_subtitles(std::string_view(reinterpret_cast<const char*>(data), size));
    int last_start = 0;
    for (const Cue& cue : draft.cues) {
        if (cue.start_ms < last_start || cue.end_ms < cue.start_ms)
            std::abort();
        last_start = cue.start_ms;
    }
    if (draft.skipped < 0)
        std::abort();
    return 0;
}

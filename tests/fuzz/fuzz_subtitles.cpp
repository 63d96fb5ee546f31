// Reads arbitrary bytes as a draft (subtitles, a recognizer's JSON, noScribe's
// HTML, a transcript with places; in any encoding): never a crash however
// long or odd the text, and every cue read is one that can be: not before
// the start, not ending before it starts, in order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/draft_format.h"

using namespace cuedeck;

namespace {

void check(const Draft& draft)
{
    int last_start = 0;
    for (const Cue& cue : draft.cues) {
        if (cue.start_ms < last_start || cue.end_ms < cue.start_ms)
            std::abort();
        last_start = cue.start_ms;
    }
    if (draft.skipped < 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(read_subtitles(bytes));
    const Draft draft = read_draft(bytes);
    check(draft);
    // What is written of it is a draft too; as WebVTT, the same cues but
    // for the blanks around their lines, which reading takes away.
    check(read_draft(write_srt(draft)));
    const Draft webvtt = read_draft(write_webvtt(draft));
    check(webvtt);
    if (webvtt.cues.size() != draft.cues.size())
        std::abort();
    return 0;
}

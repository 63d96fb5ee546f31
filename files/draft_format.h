#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuedeck {

/// One timed stretch of a recognizer's draft: where it is heard, who speaks
/// (empty when the draft does not say) and what it says.
struct Cue
{
    int start_ms = 0;
    int end_ms = 0;
    std::string speaker;
    std::string text;

    friend bool operator==(const Cue&, const Cue&) = default;
};

/// A draft's cues, ordered by where they start, and how many the reader
/// passed over because their times cannot be.
struct Draft
{
    std::vector<Cue> cues;
    int skipped = 0;
};

/// The cues of a subtitle text: SRT ("00:00:01,500 --> 00:00:03,000", a
/// point for the comma too) or WebVTT (hours may be left out, settings may
/// follow the times, "<v Name>" names the speaker; NOTE, STYLE and REGION
/// blocks are passed over). UTF-8 with or without a byte-order mark, any
/// line ends. Markup other than the speaker's is kept as text.
Draft read_subtitles(std::string_view text);

/// A cue time, "01:02:03,456", "02:03.456" or "01:02:03.4", in ms; none for
/// anything else (minutes or seconds of 60 or more, a time past what an int
/// holds).
std::optional<int> cue_time_ms(std::string_view time);

} // namespace cuedeck

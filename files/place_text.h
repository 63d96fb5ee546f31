#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuedeck {

/// A place in a tape group as a transcript holds it: "[2 00:01:23.4]" (the
/// tip, then hours, minutes, seconds and tenths).
struct PlaceText
{
    std::optional<int> tip; ///< 1-based, as people count tips; none: the current one
    int position_ms = 0;

    friend bool operator==(const PlaceText&, const PlaceText&) = default;
};

/// The place as Copy Place writes it: the tip and a blank only for a list of
/// more than one tip, "[2 00:01:23.4]", else "[00:01:23.4]". Tenths are cut,
/// not rounded, so that the text never names a place not reached yet.
std::string format_place(int tip, int tip_count, int position_ms);

/// The first place in `text`, whatever surrounds it: "m:ss" or "h:mm:ss",
/// either with tenths (or finer), maybe after a tip number and a blank; the
/// bracketed form above and the hash form of other transcription tools
/// ("#0:01:23.4#", "#01:23.4#") are such places too.
/// The comma of subtitles ("00:00:04,500") marks the fraction as a point
/// does, so an SRT or WebVTT line, or whisper's "[00:00:02.250 --> ...]",
/// names its start to the millisecond.
std::optional<PlaceText> find_place(std::string_view text);

/// Every place in `text`, in order, with where its text begins and ends
/// (the bracket or hash around it included).
struct FoundPlace
{
    PlaceText place;
    std::size_t begin = 0;
    std::size_t end = 0;
    bool delimited = false; ///< in brackets or between hashes
};
std::vector<FoundPlace> find_places(std::string_view text);

} // namespace cuedeck

#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "files/draft_format.h"

namespace cuedeck {

/// How the draft's cues are stepped through and shown, from the place
/// heard. A place a little before a cue's start (where a jump to it may
/// land) counts as in it, so that "next" after a jump moves on.
namespace cues {

/// How far before its start a place already counts as in a cue.
constexpr int ahead_ms = 100;

/// The cue heard at `position_ms`, or the last one over before it; none
/// before the first.
std::optional<std::size_t> last_begun(const Draft& draft, int position_ms);
/// Where the cue keys go: the cue after the one heard (the first before
/// any); the one before the one heard (from a pause after a cue, that
/// cue); the one heard again (or the last one over). None where there is
/// no such cue.
std::optional<std::size_t> next(const Draft& draft, int position_ms);
std::optional<std::size_t> previous(const Draft& draft, int position_ms);
std::optional<std::size_t> again(const Draft& draft, int position_ms);

/// A cue as one line says it: the speaker first ("Ann: well"), the lines
/// of its text run together.
std::string line(const Cue& cue);

/// What the draft line shows: the cue heard (empty in a pause between
/// cues), and the one that comes next.
struct Shown
{
    std::string heard;
    std::string next;
    bool drafted = false; ///< the tip has a draft (its line takes room)

    friend bool operator==(const Shown&, const Shown&) = default;
};
Shown shown(const Draft& draft, int position_ms);

/// Each cue as a line of a transcript: its place as Copy Place writes it
/// (tip `tip` of `tip_count`, 1-based), then the cue's line.
std::string transcript_line(const Cue& cue, int tip, int tip_count);
std::string transcript(const Draft& draft, int tip, int tip_count);

} // namespace cues

} // namespace cuedeck

#include "control/state/cues.h"

#include "base/saturating.h"
#include "files/place_text.h"

namespace cuedeck::cues {

std::optional<std::size_t> last_begun(const Draft& draft, int position_ms)
{
    return cue_begun_by(draft, saturating_add(position_ms, ahead_ms));
}

std::optional<std::size_t> next(const Draft& draft, int position_ms)
{
    const auto begun = last_begun(draft, position_ms);
    const std::size_t after = begun ? *begun + 1 : 0;
    if (after >= draft.cues.size())
        return std::nullopt;
    return after;
}

std::optional<std::size_t> previous(const Draft& draft, int position_ms)
{
    const auto begun = last_begun(draft, position_ms);
    if (!begun)
        return std::nullopt;
    if (position_ms >= draft.cues[*begun].end_ms)
        return begun; // in the pause after it
    if (*begun == 0)
        return std::nullopt;
    return *begun - 1;
}

std::optional<std::size_t> again(const Draft& draft, int position_ms)
{
    return last_begun(draft, position_ms);
}

std::string line(const Cue& cue)
{
    std::string text = cue.speaker.empty() ? std::string() : cue.speaker + ": ";
    for (const char c : cue.text)
        text += c == '\n' || c == '\r' || c == '\t' ? ' ' : c;
    return text;
}

Shown shown(const Draft& draft, int position_ms)
{
    Shown line_shown;
    line_shown.drafted = true;
    const auto begun = cue_begun_by(draft, position_ms);
    if (begun && position_ms < draft.cues[*begun].end_ms)
        line_shown.heard = line(draft.cues[*begun]);
    const std::size_t after = begun ? *begun + 1 : 0;
    if (after < draft.cues.size())
        line_shown.next = line(draft.cues[after]);
    return line_shown;
}

std::string transcript_line(const Cue& cue, int tip, int tip_count)
{
    return format_place(tip, tip_count, cue.start_ms) + " " + line(cue);
}

std::string transcript(const Draft& draft, int tip, int tip_count)
{
    std::string text;
    for (const Cue& cue : draft.cues)
        text += transcript_line(cue, tip, tip_count) + "\n";
    return text;
}

} // namespace cuedeck::cues

#include "files/draft_format.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>

namespace cuedeck {

namespace {

/// A run of 1 to `most` digits as a number; none otherwise.
std::optional<std::int64_t> digits(std::string_view text, std::size_t most)
{
    if (text.empty() || text.size() > most || text.find_first_not_of("0123456789") != text.npos)
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/// The lines of `text`, without their ends (LF, CRLF or CR).
std::vector<std::string_view> lines_of(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const std::size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
    return lines;
}

/// A WebVTT voice, "<v Speaker0>text" or "<v.loud Ann Lee>text</v>": the
/// speaker taken out of the text.
void take_speaker(Cue& cue)
{
    if (!cue.text.starts_with("<v") || cue.text.size() < 3 ||
        (cue.text[2] != ' ' && cue.text[2] != '.' && cue.text[2] != '\t'))
        return;
    const std::size_t close = cue.text.find('>');
    if (close == std::string::npos)
        return;
    const std::string_view tag = std::string_view(cue.text).substr(2, close - 2);
    const std::size_t name = tag.find_first_of(" \t");
    cue.speaker =
        name == std::string_view::npos ? std::string() : std::string(trimmed(tag.substr(name)));
    std::string rest = cue.text.substr(close + 1);
    if (const std::size_t end = rest.find("</v>"); end != std::string::npos)
        rest.erase(end, 4);
    cue.text = std::move(rest);
}

} // namespace

std::optional<int> cue_time_ms(std::string_view time)
{
    time = trimmed(time);
    const std::size_t fraction = time.find_last_of(",.");
    if (fraction == std::string_view::npos)
        return std::nullopt;
    const std::string_view ms_text = time.substr(fraction + 1);
    const auto ms = digits(ms_text, 3);
    if (!ms)
        return std::nullopt;
    // "4" tenths, "45" hundredths, "456" thousandths.
    std::int64_t total = *ms * (ms_text.size() == 1 ? 100 : ms_text.size() == 2 ? 10 : 1);
    std::string_view clock = time.substr(0, fraction);
    std::vector<std::string_view> parts;
    for (std::size_t colon; (colon = clock.find(':')) != std::string_view::npos;) {
        parts.push_back(clock.substr(0, colon));
        clock.remove_prefix(colon + 1);
    }
    parts.push_back(clock);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    const auto seconds = digits(parts.back(), 2);
    const auto minutes = digits(parts[parts.size() - 2], parts.size() == 3 ? 2 : 4);
    const auto hours = parts.size() == 3 ? digits(parts[0], 4) : std::optional<std::int64_t>(0);
    if (!seconds || !minutes || !hours || *seconds > 59 || (parts.size() == 3 && *minutes > 59))
        return std::nullopt;
    total += ((*hours * 60 + *minutes) * 60 + *seconds) * 1000;
    if (total > INT_MAX)
        return std::nullopt;
    return static_cast<int>(total);
}

Draft read_subtitles(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    Draft draft;
    const std::vector<std::string_view> lines = lines_of(text);
    for (std::size_t i = 0; i < lines.size();) {
        // A block runs to the next blank line; its times are on the line with
        // the arrow (an SRT number, or a WebVTT identifier, may come first).
        std::size_t end = i;
        while (end < lines.size() && !trimmed(lines[end]).empty())
            ++end;
        std::size_t timing = i;
        while (timing < end && lines[timing].find("-->") == std::string_view::npos)
            ++timing;
        if (timing < end) {
            const std::string_view line = lines[timing];
            const std::size_t arrow = line.find("-->");
            std::string_view after = trimmed(line.substr(arrow + 3));
            after = after.substr(0, after.find_first_of(" \t")); // WebVTT settings follow
            const auto start = cue_time_ms(line.substr(0, arrow));
            const auto stop = cue_time_ms(after);
            if (!start || !stop || *stop < *start) {
                ++draft.skipped;
            } else {
                Cue cue{*start, *stop, {}, {}};
                for (std::size_t t = timing + 1; t < end; ++t)
                    cue.text.append(cue.text.empty() ? "" : "\n").append(lines[t]);
                take_speaker(cue);
                draft.cues.push_back(std::move(cue));
            }
        }
        i = end;
        while (i < lines.size() && trimmed(lines[i]).empty())
            ++i;
    }
    std::stable_sort(draft.cues.begin(), draft.cues.end(),
                     [](const Cue& a, const Cue& b) { return a.start_ms < b.start_ms; });
    return draft;
}

} // namespace cuedeck

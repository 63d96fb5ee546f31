#include "files/place_journal_format.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>
#include <vector>

#include "base/text_lines.h"

namespace cuedeck {

namespace {

constexpr std::string_view heading = "Cuedeck place journal";
constexpr std::string_view last_line = "end";

/// The keys, in the order they are written and must be read.
constexpr std::string_view keys[] = {"version", "group",    "playlist", "tip",
                                     "zero",    "position", "written"};

template <typename Number> std::optional<Number> whole_number(std::string_view text)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || value < 0)
        return std::nullopt;
    return value;
}

/// What a name escapes to stay on one line (a folder's name may hold a line
/// break), and the escape itself.
constexpr std::pair<char, std::string_view> escapes[] = {
    {'\n', "%0A"}, {'\r', "%0D"}, {'%', "%25"}};

std::string escaped(std::string_view name)
{
    std::string text;
    for (const char c : name) {
        const auto* escape = std::find_if(std::begin(escapes), std::end(escapes),
                                          [c](const auto& pair) { return pair.first == c; });
        if (escape != std::end(escapes))
            text += escape->second;
        else
            text += c;
    }
    return text;
}

/// The name as it was; nothing when a % starts no escape of ours.
std::optional<std::string> unescaped(std::string_view text)
{
    std::string name;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '%') {
            name += text[at];
            continue;
        }
        const std::string_view code = text.substr(at, 3);
        const auto* escape = std::find_if(std::begin(escapes), std::end(escapes),
                                          [code](const auto& pair) { return pair.second == code; });
        if (escape == std::end(escapes))
            return std::nullopt;
        name += escape->first;
        at += 2;
    }
    return name;
}

} // namespace

std::string format_journal(const JournalPlace& place)
{
    const std::string values[] = {escaped(place.version),
                                  escaped(place.group),
                                  escaped(place.playlist),
                                  std::to_string(place.tip),
                                  std::to_string(place.zero_mark_ms),
                                  std::to_string(place.position_ms),
                                  std::to_string(place.written_at)};
    std::string text(heading);
    text += '\n';
    for (std::size_t i = 0; i < std::size(keys); ++i)
        text.append(keys[i]).append("=").append(values[i]).append("\n");
    text.append(last_line).append("\n");
    return text;
}

std::optional<JournalPlace> parse_journal(std::string_view text)
{
    // Whole only with its last line's end, "\n" or, as Windows writes
    // text, "\r\n".
    if (text.empty() || text.back() != '\n')
        return std::nullopt;
    const std::vector<std::string> lines = split_lines(text);
    if (lines.size() != std::size(keys) + 2 || lines.front() != heading ||
        lines.back() != last_line)
        return std::nullopt;
    std::string values[std::size(keys)];
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        const std::string_view line = lines[i + 1];
        if (line.substr(0, keys[i].size()) != keys[i] || line.size() <= keys[i].size() ||
            line[keys[i].size()] != '=')
            return std::nullopt;
        values[i] = line.substr(keys[i].size() + 1);
    }
    const auto version = unescaped(values[0]);
    const auto group = unescaped(values[1]);
    const auto playlist = unescaped(values[2]);
    if (!version || !group || !playlist)
        return std::nullopt;
    JournalPlace place{*version, *group, *playlist};
    const auto tip = whole_number<int>(values[3]);
    const auto zero = whole_number<int>(values[4]);
    const auto position = whole_number<int>(values[5]);
    const auto written = whole_number<std::int64_t>(values[6]);
    if (place.version.empty() || place.group.empty() || place.playlist.empty() || !tip || !zero ||
        !position || !written)
        return std::nullopt;
    place.tip = *tip;
    place.zero_mark_ms = *zero;
    place.position_ms = *position;
    place.written_at = *written;
    return place;
}

} // namespace cuedeck

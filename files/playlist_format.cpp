#include "files/playlist_format.h"

#include <algorithm>

#include <algorithm>
#include <cctype>

#include "base/text_lines.h"

namespace cuedeck {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool starts_with_ignoring_case(std::string_view text, std::string_view start)
{
    return text.size() >= start.size() && equal_ignoring_case(text.substr(0, start.size()), start);
}

/// "File12=entry" gives "entry"; nothing for other lines. Read as leniently
/// as players read it: blanks around the key and the value, any case.
std::optional<std::string_view> pls_entry(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos ||
        !starts_with_ignoring_case(trimmed(line.substr(0, equals)), "file"))
        return std::nullopt;
    const std::string_view entry = trimmed(line.substr(equals + 1));
    return entry.empty() ? std::nullopt : std::optional(entry);
}

} // namespace

bool is_playlist_name(std::string_view path)
{
    const std::string_view extension = file_extension(path, '/');
    return equal_ignoring_case(extension, ".m3u") || equal_ignoring_case(extension, ".m3u8") ||
           equal_ignoring_case(extension, ".pls");
}

bool is_recording_name(std::string_view path)
{
    const std::string_view extension = file_extension(path, '/');
    return equal_ignoring_case(extension, ".mp3") || equal_ignoring_case(extension, ".wav");
}

bool natural_less(std::string_view a, std::string_view b)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    // ASCII only, whatever the locale: names are bytes.
    const auto lower = [](char c) {
        return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    };
    const auto number_at = [&](std::string_view text, std::size_t& at) {
        const std::size_t start = at;
        while (at < text.size() && digit(text[at]))
            ++at;
        std::string_view run = text.substr(start, at - start);
        run.remove_prefix(std::min(run.find_first_not_of('0'), run.size()));
        return run;
    };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            const std::string_view x = number_at(a, i);
            const std::string_view y = number_at(b, j);
            if (x.size() != y.size())
                return x.size() < y.size();
            if (x != y)
                return x < y;
            continue;
        }
        const unsigned char x = lower(a[i]);
        const unsigned char y = lower(b[j]);
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if ((i < a.size()) != (j < b.size()))
        return j < b.size();
    return a < b;
}

std::optional<std::string> format_playlist(const std::vector<std::string>& entries)
{
    std::string text;
    for (const std::string& entry : entries) {
        if (entry.empty() || has_line_break(entry) || entry.front() == '#' ||
            trimmed(entry) != entry)
            return std::nullopt;
        text += entry + '\n';
    }
    return text;
}

PlaylistContents parse_playlist(std::string_view text, bool pls)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    PlaylistContents contents;
    bool header_seen = false;
    int number = 0;
    for (const std::string& whole : split_lines(text)) {
        ++number;
        const std::string_view line = trimmed(whole);
        if (line.empty())
            continue;
        if (pls) {
            if (!header_seen) {
                header_seen = equal_ignoring_case(line, "[playlist]");
                if (!header_seen) {
                    contents.unsupported_line = number;
                    return contents;
                }
            } else if (const auto entry = pls_entry(line)) {
                contents.entries.push_back({number, std::string(*entry)});
            }
            continue;
        }
        if (line.front() == '#') {
            if (starts_with_ignoring_case(line, "#EXT-X-") && !contents.unsupported_line)
                contents.unsupported_line = number;
            continue;
        }
        contents.entries.push_back({number, std::string(line)});
    }
    return contents;
}

std::optional<std::string> renamed_entries(std::string_view text, bool pls,
                                           const std::vector<RenamedEntry>& renamed)
{
    const PlaylistContents contents = parse_playlist(text, pls);
    const std::size_t bom = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    std::string result(text.substr(0, bom));
    int number = 0;
    std::size_t start = bom;
    std::size_t renamed_count = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        std::size_t end = newline == std::string_view::npos ? text.size() : newline;
        if (end > start && text[end - 1] == '\r')
            --end;
        const std::string_view line = text.substr(start, end - start);
        ++number;
        const auto wanted = std::find_if(renamed.begin(), renamed.end(),
                                         [&](const RenamedEntry& r) { return r.line == number; });
        if (wanted == renamed.end()) {
            result += line;
        } else {
            const bool entry =
                std::any_of(contents.entries.begin(), contents.entries.end(),
                            [&](const PlaylistEntry& e) { return e.line == number; });
            const std::string& target = wanted->target;
            if (!entry || target.empty() || has_line_break(target) || trimmed(target) != target ||
                (!pls && target.front() == '#'))
                return std::nullopt;
            result += pls ? std::string(line.substr(0, line.find('=') + 1)) + target : target;
            ++renamed_count;
        }
        const std::size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
        result += text.substr(end, next - end);
        start = next;
    }
    if (renamed_count != renamed.size())
        return std::nullopt;
    return result;
}

bool is_url(std::string_view entry)
{
    // A scheme: a letter, then letters, digits, '+', '-' or '.', then "://".
    const std::size_t colon = entry.find("://");
    if (colon == std::string_view::npos || colon == 0)
        return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(entry[i]);
        if (!(std::isalpha(c) != 0 ||
              (i > 0 && (std::isdigit(c) != 0 || c == '+' || c == '-' || c == '.'))))
            return false;
    }
    return true;
}

} // namespace cuedeck

#include "files/draft_format.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "files/place_text.h"

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

void append_utf8(std::string& out, std::uint32_t code)
{
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

std::string from_utf16(std::string_view bytes, bool big_endian)
{
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return big_endian ? std::uint32_t(a << 8 | b) : std::uint32_t(b << 8 | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t code = unit(i);
        if (code >= 0xD800 && code <= 0xDBFF && i + 3 < bytes.size()) {
            const std::uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        append_utf8(out, code); // a lone surrogate becomes U+FFFD
    }
    return out;
}

bool is_utf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80           ? 1
                                   : (c >> 5) == 0x6  ? 2
                                   : (c >> 4) == 0xE  ? 3
                                   : (c >> 3) == 0x1E ? 4
                                                      : 0;
        if (length == 0 || i + length > text.size() || (length == 2 && c < 0xC2))
            return false;
        std::uint32_t code = length == 1 ? c : c & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        i += length;
    }
    return true;
}

std::string from_code_page_1252(std::string_view bytes)
{
    // 0x80 to 0x9F; the five the code page leaves out stand for themselves.
    static constexpr std::uint16_t high[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        append_utf8(out, c >= 0x80 && c < 0xA0 ? high[c - 0x80] : c);
    }
    return out;
}

std::string collapsed(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (blank) {
            if (!out.empty() && out.back() != ' ')
                out += ' ';
        } else {
            out += c;
        }
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

/// A time in seconds as JSON gives it, in ms; none for one that cannot be.
std::optional<int> json_ms(const nlohmann::json& value, double scale)
{
    if (!value.is_number())
        return std::nullopt;
    const double ms = std::round(value.get<double>() * scale);
    if (!(ms >= 0) || ms > INT_MAX)
        return std::nullopt;
    return static_cast<int>(ms);
}

std::string json_text(const nlohmann::json& item, const char* key)
{
    const auto found = item.find(key);
    return found != item.end() && found->is_string()
               ? std::string(trimmed(found->get<std::string>()))
               : std::string();
}

/// whisper.cpp's "transcription" (offsets in ms) or openai-whisper's
/// "segments" (times in seconds).
Draft read_json(std::string_view text)
{
    Draft draft;
    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (!json.is_object())
        return draft;
    const bool of_whisper_cpp = json.contains("transcription");
    const auto items = json.find(of_whisper_cpp ? "transcription" : "segments");
    if (items == json.end() || !items->is_array())
        return draft;
    for (const nlohmann::json& item : *items) {
        std::optional<int> start;
        std::optional<int> end;
        if (!item.is_object()) {
            ++draft.skipped;
            continue;
        }
        if (of_whisper_cpp) {
            const auto offsets = item.find("offsets");
            if (offsets != item.end() && offsets->is_object()) {
                start = json_ms(offsets->value("from", nlohmann::json()), 1);
                end = json_ms(offsets->value("to", nlohmann::json()), 1);
            }
        } else {
            start = json_ms(item.value("start", nlohmann::json()), 1000);
            end = json_ms(item.value("end", nlohmann::json()), 1000);
        }
        if (!start || !end || *end < *start) {
            ++draft.skipped;
            continue;
        }
        draft.cues.push_back(
            Cue{*start, *end, json_text(item, "speaker"), json_text(item, "text")});
    }
    return draft;
}

/// `&amp;`, `&#233;` and the like, as the characters they stand for; markup
/// taken out, "<br>" and the ends of paragraphs as blanks.
std::string html_text(std::string_view html)
{
    static constexpr std::pair<std::string_view, std::string_view> named[] = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", " "}};
    std::string out;
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '<') {
            const std::size_t close = html.find('>', i);
            if (close == std::string_view::npos)
                break;
            out += ' ';
            i = close;
        } else if (html[i] == '&') {
            const std::size_t semicolon = html.find(';', i);
            const std::string_view name = semicolon == std::string_view::npos || semicolon - i > 10
                                              ? std::string_view()
                                              : html.substr(i + 1, semicolon - i - 1);
            std::optional<std::uint32_t> code;
            if (name.size() > 1 && name[0] == '#') {
                const bool hex = name[1] == 'x' || name[1] == 'X';
                std::uint32_t value = 0;
                const std::string_view number = name.substr(hex ? 2 : 1);
                const auto [end, error] = std::from_chars(
                    number.data(), number.data() + number.size(), value, hex ? 16 : 10);
                if (error == std::errc() && end == number.data() + number.size() && value > 0)
                    code = value;
            }
            const auto known = std::find_if(std::begin(named), std::end(named),
                                            [&](const auto& entry) { return entry.first == name; });
            if (code) {
                append_utf8(out, *code);
            } else if (known != std::end(named)) {
                out += known->second;
            } else {
                out += '&';
                continue;
            }
            i = semicolon;
        } else {
            out += html[i];
        }
    }
    return collapsed(out);
}

/// noScribe's HTML: each stretch of text follows an anchor named
/// "ts_<start ms>_<end ms>_<speaker>", and a change of speaker begins with
/// the speaker's name and a colon.
Draft read_noscribe(std::string_view html)
{
    Draft draft;
    constexpr std::string_view anchor = "<a name=\"ts_";
    std::size_t at = html.find(anchor);
    while (at != std::string_view::npos) {
        const std::size_t name_end = html.find('"', at + anchor.size());
        const std::size_t tag_end = html.find('>', at);
        if (name_end == std::string_view::npos || tag_end == std::string_view::npos)
            break;
        const std::string_view name =
            html.substr(at + anchor.size(), name_end - at - anchor.size());
        const std::size_t next = html.find(anchor, tag_end);
        const std::string_view body =
            html.substr(tag_end + 1, next == std::string_view::npos ? next : next - tag_end - 1);
        const std::size_t first = name.find('_');
        const std::size_t second =
            first == std::string_view::npos ? first : name.find('_', first + 1);
        const auto start = digits(name.substr(0, first), 10);
        const auto end = first == std::string_view::npos
                             ? std::nullopt
                             : digits(name.substr(first + 1, second - first - 1), 10);
        if (!start || !end || *end < *start || *end > INT_MAX) {
            ++draft.skipped;
        } else {
            Cue cue{int(*start), int(*end),
                    second == std::string_view::npos ? std::string()
                                                     : std::string(name.substr(second + 1)),
                    html_text(body)};
            if (!cue.speaker.empty() && cue.text.starts_with(cue.speaker + ":"))
                cue.text =
                    std::string(trimmed(std::string_view(cue.text).substr(cue.speaker.size() + 1)));
            draft.cues.push_back(std::move(cue));
        }
        at = next;
    }
    return draft;
}

/// A transcript: each place in brackets or between hashes, or at the start
/// of a line, begins a cue that runs to the next such place.
Draft read_transcript(std::string_view text)
{
    Draft draft;
    std::vector<FoundPlace> places = find_places(text);
    std::erase_if(places, [&](const FoundPlace& found) {
        if (found.delimited)
            return false;
        const std::size_t line = text.find_last_of("\r\n", found.begin == 0 ? 0 : found.begin - 1);
        const std::size_t from = found.begin == 0 || line == std::string_view::npos ? 0 : line + 1;
        return !trimmed(text.substr(from, found.begin - from)).empty();
    });
    for (std::size_t i = 0; i < places.size(); ++i) {
        const std::size_t until = i + 1 < places.size() ? places[i + 1].begin : text.size();
        draft.cues.push_back(
            Cue{places[i].place.position_ms,
                i + 1 < places.size() ? places[i + 1].place.position_ms : open_end_ms,
                {},
                collapsed(text.substr(places[i].end, until - places[i].end))});
    }
    // Places typed out of order: each cue still ends where the next begins.
    std::stable_sort(draft.cues.begin(), draft.cues.end(),
                     [](const Cue& a, const Cue& b) { return a.start_ms < b.start_ms; });
    for (std::size_t i = 0; i < draft.cues.size(); ++i)
        draft.cues[i].end_ms = i + 1 < draft.cues.size() ? draft.cues[i + 1].start_ms : open_end_ms;
    return draft;
}

/// A PocketSphinx word line, "word 1.250 1.600 0.871": the word and its
/// times; nothing for any other line.
std::optional<std::pair<std::string_view, std::pair<int, int>>> sphinx_word(std::string_view line)
{
    std::string_view fields[4];
    for (auto& field : fields) {
        line = line.substr(std::min(line.find_first_not_of(' '), line.size()));
        const std::size_t end = std::min(line.find(' '), line.size());
        field = line.substr(0, end);
        line.remove_prefix(end);
        if (field.empty())
            return std::nullopt;
    }
    if (!trimmed(line).empty())
        return std::nullopt;
    const auto start = cue_time_ms("0:" + std::string(fields[1]));
    const auto end = cue_time_ms("0:" + std::string(fields[2]));
    if (!start || !end)
        return std::nullopt;
    return std::pair{fields[0], std::pair{*start, *end}};
}

/// What pocketsphinx_continuous prints with "-time yes": each utterance's
/// words between "<s>" and "</s>", a word a line with its times. A cue runs
/// from its first word's start to its last word's end; fillers and
/// silences are not words, and "(2)" after a word names its pronunciation.
Draft read_pocketsphinx(std::string_view text)
{
    Draft draft;
    std::optional<Cue> cue;
    for (const std::string_view line : lines_of(text)) {
        const auto word = sphinx_word(line);
        if (!word)
            continue;
        const auto& [name, times] = *word;
        if (name == "<s>") {
            cue = Cue{};
        } else if (name == "</s>") {
            if (cue && !cue->text.empty())
                draft.cues.push_back(*cue);
            cue.reset();
        } else if (cue && !name.starts_with('<') && !name.starts_with('[') &&
                   !name.starts_with("++")) {
            if (cue->text.empty())
                cue->start_ms = times.first;
            else
                cue->text += ' ';
            cue->text += name.substr(0, name.find('('));
            cue->end_ms = std::max(times.second, cue->start_ms + 1);
        }
    }
    return draft;
}

std::string srt_time(int ms, char separator)
{
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d%c%03d", ms / 3600000, ms / 60000 % 60,
                  ms / 1000 % 60, separator, ms % 1000);
    return text;
}

int written_end(const Cue& cue)
{
    if (cue.end_ms != open_end_ms)
        return cue.end_ms;
    return cue.start_ms > open_end_ms - 5000 ? cue.start_ms : cue.start_ms + 5000;
}

/// A cue's text as a subtitle file holds it: no blank line inside, which
/// would end the cue.
std::string written_text(const Cue& cue, const std::string& speaker)
{
    std::string text = speaker;
    for (const std::string_view line : lines_of(cue.text)) {
        if (trimmed(line).empty())
            continue;
        if (text.size() > speaker.size())
            text += '\n';
        text += line;
    }
    return text;
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

bool is_draft_name(std::string_view path)
{
    return std::any_of(
        std::begin(draft_extensions), std::end(draft_extensions), [&](const char* ending) {
            const std::string_view end(ending);
            return path.size() > end.size() &&
                   std::equal(end.begin(), end.end(), path.end() - std::ptrdiff_t(end.size()),
                              [](char a, char b) {
                                  return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
                              });
        });
}

std::string draft_text_as_utf8(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return std::string(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE"))
        return from_utf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return from_utf16(bytes.substr(2), true);
    return is_utf8(bytes) ? std::string(bytes) : from_code_page_1252(bytes);
}

Draft read_draft(std::string_view bytes)
{
    const std::string text = draft_text_as_utf8(bytes);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    const std::string_view start =
        first == std::string::npos ? std::string_view() : std::string_view(text).substr(first);
    Draft draft;
    if (start.starts_with("{"))
        draft = read_json(text);
    else if (text.find("<a name=\"ts_") != std::string::npos)
        draft = read_noscribe(text);
    else if (start.starts_with("WEBVTT") || text.find("-->") != std::string::npos)
        draft = read_subtitles(text);
    else if (text.find("\n<s> ") != std::string::npos || start.starts_with("<s> "))
        draft = read_pocketsphinx(text);
    else
        return read_transcript(text);
    std::stable_sort(draft.cues.begin(), draft.cues.end(),
                     [](const Cue& a, const Cue& b) { return a.start_ms < b.start_ms; });
    return draft;
}

std::optional<std::size_t> cue_begun_by(const Draft& draft, int position_ms)
{
    const auto after = std::upper_bound(draft.cues.begin(), draft.cues.end(), position_ms,
                                        [](int ms, const Cue& cue) { return ms < cue.start_ms; });
    if (after == draft.cues.begin())
        return std::nullopt;
    return std::size_t(after - draft.cues.begin()) - 1;
}

std::string write_srt(const Draft& draft)
{
    std::string out;
    int number = 0;
    for (const Cue& cue : draft.cues) {
        out += std::to_string(++number) + "\n" + srt_time(cue.start_ms, ',') + " --> " +
               srt_time(written_end(cue), ',') + "\n" +
               written_text(cue, cue.speaker.empty() ? std::string() : cue.speaker + ": ") + "\n\n";
    }
    return out;
}

std::string write_webvtt(const Draft& draft)
{
    std::string out = "WEBVTT\n\n";
    for (const Cue& cue : draft.cues) {
        out += srt_time(cue.start_ms, '.') + " --> " + srt_time(written_end(cue), '.') + "\n" +
               written_text(cue, cue.speaker.empty() ? std::string() : "<v " + cue.speaker + ">") +
               "\n\n";
    }
    return out;
}

} // namespace cuedeck

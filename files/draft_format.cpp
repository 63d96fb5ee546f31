#include "files/draft_format.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "files/place_text.h"
#include "files/recognizer_json.h"

namespace cuedeck {

namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

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

/// The lines of a text one at a time, without their ends (LF, CRLF or CR).
class Lines
{
public:
    explicit Lines(std::string_view text) : m_rest(text) {}

    bool next(std::string_view& line)
    {
        if (m_rest.empty())
            return false;
        std::size_t end = 0;
        while (end < m_rest.size() && m_rest[end] != '\n' && m_rest[end] != '\r')
            ++end;
        line = m_rest.substr(0, end);
        if (end == m_rest.size())
            m_rest = {};
        else
            m_rest.remove_prefix(m_rest.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1);
        return true;
    }

private:
    std::string_view m_rest;
};

std::vector<std::string_view> lines_of(std::string_view text)
{
    std::vector<std::string_view> lines;
    Lines reader(text);
    for (std::string_view line; reader.next(line);)
        lines.push_back(line);
    return lines;
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

std::string from_utf32(std::string_view bytes, bool big_endian)
{
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 3 < bytes.size(); i += 4) {
        std::uint32_t code = 0;
        for (std::size_t k = 0; k < 4; ++k)
            code |= std::uint32_t(static_cast<unsigned char>(bytes[i + k]))
                    << (big_endian ? 24 - 8 * k : 8 * k);
        append_utf8(out, code); // past U+10FFFF or a surrogate: U+FFFD
    }
    return out;
}

/// The length of the UTF-8 character at `at`; 0 when its bytes are none.
std::size_t utf8_length(std::string_view text, std::size_t at)
{
    const auto c = static_cast<unsigned char>(text[at]);
    const std::size_t length = c < 0x80           ? 1
                               : (c >> 5) == 0x6  ? 2
                               : (c >> 4) == 0xE  ? 3
                               : (c >> 3) == 0x1E ? 4
                                                  : 0;
    if (length == 0 || at + length > text.size() || (length == 2 && c < 0xC2))
        return 0;
    std::uint32_t code = length == 1 ? c : c & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (next & 0x3F);
    }
    if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
        (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
        return 0;
    return length;
}

/// Where the first byte that is no part of a UTF-8 character lies; npos
/// for UTF-8 throughout.
std::size_t first_not_utf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        // Plain ASCII, eight bytes at a time.
        if (i + 8 <= text.size()) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, text.data() + i, 8);
            if ((eight & 0x8080808080808080u) == 0) {
                i += 8;
                continue;
            }
        }
        const std::size_t length = utf8_length(text, i);
        if (length == 0)
            return i;
        i += length;
    }
    return std::string_view::npos;
}

/// A byte that is no part of a UTF-8 character as Windows code page 1252
/// reads it.
void append_code_page_1252(std::string& out, unsigned char c)
{
    // 0x80 to 0x9F; the five the code page leaves out stand for themselves.
    static constexpr std::uint16_t high[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    append_utf8(out, c >= 0x80 && c < 0xA0 ? high[c - 0x80] : c);
}

/// `bytes` as UTF-8, in `storage` when they had to be turned into it. The
/// encoding is decided per character, not for the whole file: what is UTF-8
/// stays so, and each byte that is no part of a UTF-8 character is read as
/// code page 1252 (a whole Windows file so, and a recognizer's stray byte,
/// such as whisper.cpp's half of a character split between two cues, so
/// too, without garbling the rest).
std::string_view as_utf8(std::string_view bytes, std::string& storage)
{
    if (bytes.starts_with(std::string_view("\xFF\xFE\0\0", 4)))
        return storage = from_utf32(bytes.substr(4), false);
    if (bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
        return storage = from_utf32(bytes.substr(4), true);
    if (bytes.starts_with("\xFF\xFE"))
        return storage = from_utf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return storage = from_utf16(bytes.substr(2), true);
    if (bytes.starts_with(byte_order_mark))
        bytes.remove_prefix(byte_order_mark.size());
    std::size_t bad = first_not_utf8(bytes);
    if (bad == std::string_view::npos)
        return bytes;
    storage.reserve(bytes.size() + bytes.size() / 4);
    storage.assign(bytes.substr(0, bad));
    for (std::size_t i = bad; i < bytes.size();) {
        const std::size_t length = utf8_length(bytes, i);
        if (length == 0) {
            append_code_page_1252(storage, static_cast<unsigned char>(bytes[i]));
            ++i;
        } else {
            storage.append(bytes.substr(i, length));
            i += length;
        }
    }
    return storage;
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

/// A character reference at `text[at]` ("&amp;", "&#233;", "&#x202B;"):
/// the character it stands for appended, `at` moved onto its ';'. False,
/// and nothing appended, for an '&' that begins none.
bool take_reference(std::string_view text, std::size_t& at, std::string& out)
{
    static constexpr std::pair<std::string_view, std::string_view> named[] = {
        {"amp", "&"},  {"lt", "<"},   {"gt", ">"},       {"quot", "\""},
        {"apos", "'"}, {"nbsp", " "}, {"lrm", "\u200E"}, {"rlm", "\u200F"}};
    const std::size_t semicolon = text.find(';', at);
    if (semicolon == std::string_view::npos || semicolon - at > 10)
        return false;
    const std::string_view name = text.substr(at + 1, semicolon - at - 1);
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        std::uint32_t value = 0;
        const std::string_view number = name.substr(hex ? 2 : 1);
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), value, hex ? 16 : 10);
        if (error != std::errc() || end != number.data() + number.size() || value == 0)
            return false;
        append_utf8(out, value);
    } else {
        const auto known = std::find_if(std::begin(named), std::end(named),
                                        [&](const auto& entry) { return entry.first == name; });
        if (known == std::end(named))
            return false;
        out += known->second;
    }
    at = semicolon;
    return true;
}

/// `&amp;`, `&#233;` and the like, as the characters they stand for; markup
/// taken out, "<br>" and the ends of paragraphs as blanks.
std::string html_text(std::string_view html)
{
    std::string out;
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '<') {
            const std::size_t close = html.find('>', i);
            if (close == std::string_view::npos)
                break;
            out += ' ';
            i = close;
        } else if (html[i] != '&' || !take_reference(html, i, out)) {
            out += html[i];
        }
    }
    return collapsed(out);
}

/// A cue's time line: "00:00:01,500 --> 00:00:03,000" (WebVTT's settings
/// may follow), or what whisper.cpp and openai-whisper print as they go,
/// "[00:00:01.500 --> 00:00:03.000]  text", the cue's text on the line.
struct TimeLine
{
    std::optional<int> start;
    std::optional<int> end;
    bool printed = false; ///< whisper's printed form, with its text
    std::string_view text;
};

/// The time line `line` is; none for a line neither of whose times is one
/// (a "-->" in a cue's or a transcript's text).
std::optional<TimeLine> time_line(std::string_view line)
{
    const std::size_t arrow = line.find("-->");
    if (arrow == std::string_view::npos)
        return std::nullopt;
    std::string_view before = trimmed(line.substr(0, arrow));
    std::string_view after = trimmed(line.substr(arrow + 3));
    TimeLine found;
    if (before.starts_with('[')) {
        const std::size_t close = after.find(']');
        if (close == std::string_view::npos)
            return std::nullopt;
        before.remove_prefix(1);
        found.printed = true;
        found.text = after.substr(close + 1);
        after = after.substr(0, close);
    } else {
        after = after.substr(0, after.find_first_of(" \t"));
    }
    found.start = cue_time_ms(before);
    found.end = cue_time_ms(after);
    if (!found.start && !found.end)
        return std::nullopt;
    return found;
}

bool has_time_line(std::string_view text)
{
    for (std::size_t arrow = text.find("-->"); arrow != std::string_view::npos;) {
        const std::size_t line_start = text.find_last_of("\r\n", arrow);
        const std::size_t from = line_start == std::string_view::npos ? 0 : line_start + 1;
        const std::size_t to = std::min(text.find_first_of("\r\n", arrow), text.size());
        if (time_line(text.substr(from, to - from)))
            return true;
        arrow = text.find("-->", to);
    }
    return false;
}

/// A WebVTT voice, "<v Speaker0>text" or "<v.loud Ann Lee>text</v>": the
/// speaker taken out of the text.
void take_voice(std::string& text, std::string& speaker, bool webvtt)
{
    if (!text.starts_with("<v") || text.size() < 3 ||
        (text[2] != ' ' && text[2] != '.' && text[2] != '\t'))
        return;
    const std::size_t close = text.find('>');
    if (close == std::string::npos)
        return;
    const std::string_view tag = std::string_view(text).substr(2, close - 2);
    const std::size_t name = tag.find_first_of(" \t");
    const std::string_view voice =
        name == std::string_view::npos ? std::string_view() : trimmed(tag.substr(name));
    speaker.clear();
    for (std::size_t i = 0; i < voice.size(); ++i) {
        if (voice[i] != '&' || !webvtt || !take_reference(voice, i, speaker))
            speaker += voice[i];
    }
    text.erase(0, close + 1);
    if (const std::size_t end = text.find("</v>"); end != std::string::npos)
        text.erase(end, 4);
}

/// A diarizer's speaker before the text, as WhisperX writes it ("[SPEAKER_00]:
/// text") or bare ("SPEAKER_00: text"): the speaker taken out. No other
/// "Name: text", as Cuedeck writes a speaker so in SRT and reads it back as
/// the text it was.
void take_diarized_speaker(std::string& text, std::string& speaker)
{
    std::size_t name_end = 0;
    std::size_t colon = 0;
    if (text.starts_with('[')) {
        name_end = text.find(']');
        colon = name_end + 1;
        if (name_end == std::string::npos || name_end < 2 || name_end > 64 ||
            text.find_first_of("[\n", 1) < name_end)
            return;
    } else if (text.starts_with("SPEAKER_")) {
        name_end = text.find_first_not_of("0123456789", 8);
        colon = name_end;
        if (name_end == std::string::npos || name_end == 8)
            return;
    } else {
        return;
    }
    if (colon >= text.size() || text[colon] != ':')
        return;
    speaker = text.substr(text[0] == '[' ? 1 : 0, text[0] == '[' ? name_end - 1 : name_end);
    text.erase(0, text.find_first_not_of(" \t\n", colon + 1));
}

/// WebVTT cue text as it reads: its tags ("<c.yellow>", "<i>", "<lang en>",
/// "<00:05:04.199>") left out, and ruby's readings with them, and character
/// references as the characters they stand for.
std::string webvtt_text(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool reading = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '<') {
            const std::size_t close = text.find('>', i);
            if (close == std::string_view::npos)
                break; // a tag runs to the end of the cue
            const std::string_view tag = text.substr(i + 1, close - i - 1);
            const std::string_view name = tag.substr(0, tag.find_first_of(" \t\n."));
            if (name == "rt")
                reading = true;
            else if (name == "/rt" || name == "/ruby")
                reading = false;
            i = close;
        } else if (!reading && (text[i] != '&' || !take_reference(text, i, out))) {
            out += text[i];
        }
    }
    return out;
}

/// SRT's own markup, "<i>", "<b>", "<u>", "<font color=...>" and their
/// ends, left out; any other '<' is text ("3 < 4").
std::string srt_text(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '<') {
            const std::size_t close = text.find('>', i);
            std::string name(text.substr(i + 1, std::min(close, i + 8) - i - 1));
            for (char& c : name)
                c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
            if (!name.empty() && name[0] == '/')
                name.erase(0, 1);
            const bool markup = close != std::string_view::npos &&
                                (name == "i" || name == "b" || name == "u" || name == "font" ||
                                 name.starts_with("font ") || name.starts_with("font\t"));
            if (markup) {
                i = close;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

/// `text`'s lines without the blanks around them, blank ones left out.
std::string trimmed_lines(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    Lines reader(text);
    for (std::string_view line; reader.next(line);) {
        line = trimmed(line);
        if (line.empty())
            continue;
        if (!out.empty())
            out += '\n';
        out += line;
    }
    return out;
}

/// A subtitle cue's text as it reads, from its lines as the file holds
/// them (each without its blanks around): the speaker taken out, markup too.
void finish_cue_text(Cue& cue, std::string_view lines, bool webvtt)
{
    cue.text = lines;
    take_voice(cue.text, cue.speaker, webvtt);
    if (cue.text.find_first_of(webvtt ? "<&" : "<") != std::string::npos)
        cue.text = trimmed_lines(webvtt ? webvtt_text(cue.text) : srt_text(cue.text));
    if (cue.speaker.empty())
        take_diarized_speaker(cue.text, cue.speaker);
}

/// In order of their starts; a cue that ends before it starts (as noScribe
/// writes the last of an interview) runs on to the next cue, or for the last
/// one to the end of the recording, as a transcript's cues do.
void finish(Draft& draft)
{
    auto& cues = draft.cues;
    const auto by_start = [](const Cue& a, const Cue& b) { return a.start_ms < b.start_ms; };
    if (!std::is_sorted(cues.begin(), cues.end(), by_start))
        std::stable_sort(cues.begin(), cues.end(), by_start);
    for (std::size_t i = 0; i < cues.size(); ++i) {
        if (cues[i].end_ms < cues[i].start_ms)
            cues[i].end_ms = i + 1 < cues.size() ? cues[i + 1].start_ms : open_end_ms;
    }
}

/// noScribe's time marks in its text, "[00:01:23]", taken out as its own
/// converter does.
std::string without_time_marks(std::string text)
{
    bool any = false;
    for (std::size_t at = text.find('['); at != std::string::npos; at = text.find('[', at)) {
        const std::size_t close = text.find(']', at);
        const std::string_view mark = close == std::string::npos
                                          ? std::string_view()
                                          : std::string_view(text).substr(at + 1, close - at - 1);
        const bool time =
            mark.size() >= 7 && mark.size() <= 8 && mark[mark.size() - 3] == ':' &&
            mark[mark.size() - 6] == ':' && digits(mark.substr(0, mark.size() - 6), 2) &&
            digits(mark.substr(mark.size() - 5, 2), 2) && digits(mark.substr(mark.size() - 2), 2);
        if (time) {
            text.erase(at, close - at + 1);
            any = true;
        } else {
            ++at;
        }
    }
    return any ? collapsed(text) : text;
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
        if (!start || !end || *start > INT_MAX || *end > INT_MAX) {
            ++draft.skipped;
        } else {
            Cue cue{int(*start), int(*end),
                    second == std::string_view::npos ? std::string()
                                                     : std::string(name.substr(second + 1)),
                    without_time_marks(html_text(body))};
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
std::string written_text(std::string_view text, const std::string& speaker)
{
    std::string out = speaker;
    for (const std::string_view line : lines_of(text)) {
        if (trimmed(line).empty())
            continue;
        if (out.size() > speaker.size())
            out += '\n';
        out += line;
    }
    return out;
}

/// What WebVTT reads as markup ('<' and '&', and the '>' of an arrow,
/// which would end the cue) as character references.
std::string webvtt_escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
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
    std::string_view parts[3];
    std::size_t count = 0;
    for (;;) {
        if (count == 3)
            return std::nullopt;
        const std::size_t colon = clock.find(':');
        parts[count++] = clock.substr(0, colon);
        if (colon == std::string_view::npos)
            break;
        clock.remove_prefix(colon + 1);
    }
    if (count < 2)
        return std::nullopt;
    const auto seconds = digits(parts[count - 1], 2);
    const auto minutes = digits(parts[count - 2], count == 3 ? 2 : 4);
    const auto hours = count == 3 ? digits(parts[0], 4) : std::optional<std::int64_t>(0);
    if (!seconds || !minutes || !hours || *seconds > 59 || (count == 3 && *minutes > 59))
        return std::nullopt;
    total += ((*hours * 60 + *minutes) * 60 + *seconds) * 1000;
    if (total > INT_MAX)
        return std::nullopt;
    return static_cast<int>(total);
}

Draft read_subtitles(std::string_view text)
{
    if (text.starts_with(byte_order_mark))
        text.remove_prefix(byte_order_mark.size());
    const bool webvtt =
        text.substr(std::min(text.find_first_not_of(" \t\r\n"), text.size())).starts_with("WEBVTT");
    Draft draft;
    std::size_t arrows = 0;
    for (std::size_t at = text.find("-->"); at != std::string_view::npos;
         at = text.find("-->", at + 3))
        ++arrows;
    draft.cues.reserve(arrows);

    // A time line begins a cue, whatever came before it; its text runs to
    // the next empty line or time line (a line of blanks, as auto-captions
    // have within a cue, ends nothing). What lies between an empty line and
    // the next time line (an SRT number, a WebVTT identifier, NOTE and STYLE
    // blocks) and the text of a cue whose times cannot be are no cue's.
    enum class In { Nothing, Cue } in = In::Nothing;
    Cue cue;
    std::string lines;         // the cue's text lines, without the blanks around them
    std::size_t last_line = 0; // where the last of them begins
    const auto end_cue = [&] {
        if (in == In::Cue) {
            finish_cue_text(cue, lines, webvtt);
            draft.cues.push_back(std::move(cue));
        }
        in = In::Nothing;
        lines.clear();
    };
    Lines reader(text);
    for (std::string_view line; reader.next(line);) {
        if (const auto times = time_line(line)) {
            // A number just before the time line is that cue's, not the
            // text of the one before (SRT without empty lines between).
            if (in == In::Cue && !lines.empty() &&
                digits(std::string_view(lines).substr(last_line), 12))
                lines.erase(last_line == 0 ? 0 : last_line - 1);
            end_cue();
            if (!times->start || !times->end) {
                ++draft.skipped;
                continue;
            }
            cue = Cue{*times->start, *times->end, {}, {}};
            in = In::Cue;
            if (times->printed) {
                lines = trimmed(times->text);
                end_cue();
            }
        } else if (line.empty()) {
            end_cue();
        } else if (in == In::Cue && !trimmed(line).empty()) {
            if (!lines.empty())
                lines += '\n';
            last_line = lines.size();
            lines += trimmed(line);
        }
    }
    end_cue();
    finish(draft);
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
    std::string storage;
    const std::string_view text = as_utf8(bytes, storage);
    return text.data() == storage.data() ? std::move(storage) : std::string(text);
}

Draft read_draft(std::string_view bytes)
{
    std::string storage;
    const std::string_view text = as_utf8(bytes, storage);
    const std::string_view start =
        text.substr(std::min(text.find_first_not_of(" \t\r\n"), text.size()));
    Draft draft;
    if (start.starts_with("{"))
        draft = read_recognizer_json(text);
    else if (text.find("<a name=\"ts_") != std::string::npos)
        draft = read_noscribe(text);
    else if (start.starts_with("WEBVTT") || has_time_line(text))
        return read_subtitles(text);
    else if (text.find("\n<s> ") != std::string::npos || start.starts_with("<s> "))
        draft = read_pocketsphinx(text);
    else
        return read_transcript(text);
    finish(draft);
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
               written_text(cue.text, cue.speaker.empty() ? std::string() : cue.speaker + ": ") +
               "\n\n";
    }
    return out;
}

std::string write_webvtt(const Draft& draft)
{
    std::string out = "WEBVTT\n\n";
    for (const Cue& cue : draft.cues) {
        out += srt_time(cue.start_ms, '.') + " --> " + srt_time(written_end(cue), '.') + "\n" +
               written_text(webvtt_escaped(cue.text),
                            cue.speaker.empty() ? std::string()
                                                : "<v " + webvtt_escaped(cue.speaker) + ">") +
               "\n\n";
    }
    return out;
}

} // namespace cuedeck

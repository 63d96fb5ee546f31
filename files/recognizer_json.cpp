#include "files/recognizer_json.h"

#include <climits>
#include <cmath>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace cuedeck {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/// A time in ms from JSON's number times `scale`; none for one that cannot be.
std::optional<int> json_ms(std::optional<double> value, double scale)
{
    if (!value)
        return std::nullopt;
    const double ms = std::round(*value * scale);
    if (!(ms >= 0) || ms > INT_MAX)
        return std::nullopt;
    return static_cast<int>(ms);
}

/// The cues of whisper.cpp's "transcription" (offsets in ms) and of
/// openai-whisper's "segments" (times in seconds), taken as nlohmann's
/// parser meets them: only the fields read are kept, not the whole
/// document (a recognizer's JSON with every token's times and odds is many
/// times its cues' size).
class RecognizerJson
{
public:
    using Json = nlohmann::json;

    Draft result() &&
    {
        return m_seen_transcription ? std::move(m_transcription) : std::move(m_segments);
    }

    bool null() { return scalar(std::nullopt); }
    bool boolean(bool) { return scalar(std::nullopt); }
    bool number_integer(Json::number_integer_t value) { return scalar(double(value)); }
    bool number_unsigned(Json::number_unsigned_t value) { return scalar(double(value)); }
    bool number_float(Json::number_float_t value, const Json::string_t&) { return scalar(value); }
    bool binary(Json::binary_t&) { return scalar(std::nullopt); }
    bool string(Json::string_t& value)
    {
        if (m_item && m_depth == item_depth && m_field == Field::Text)
            m_cue.text = trimmed(value);
        else if (m_item && m_depth == item_depth && m_field == Field::Speaker)
            m_cue.speaker = trimmed(value);
        return scalar(std::nullopt);
    }
    bool start_object(std::size_t)
    {
        if (m_depth == 0)
            m_object = true;
        else if (m_list && m_depth == list_depth)
            begin_item();
        else if (m_item && m_depth == item_depth && m_field == Field::Offsets &&
                 m_list == &m_transcription)
            m_in_offsets = true;
        ++m_depth;
        return true;
    }
    bool key(Json::string_t& name)
    {
        if (m_depth == 1) {
            m_top_key = name == "transcription" ? TopKey::Transcription
                        : name == "segments"    ? TopKey::Segments
                                                : TopKey::Other;
            m_seen_transcription = m_seen_transcription || m_top_key == TopKey::Transcription;
        } else if (m_depth == item_depth) {
            m_field = name == "text"      ? Field::Text
                      : name == "speaker" ? Field::Speaker
                      : name == "offsets" ? Field::Offsets
                      : name == "start"   ? Field::Start
                      : name == "end"     ? Field::End
                                          : Field::Other;
        } else if (m_depth == item_depth + 1 && m_in_offsets) {
            m_field = name == "from" ? Field::Start : name == "to" ? Field::End : Field::Other;
        }
        return true;
    }
    bool end_object()
    {
        --m_depth;
        if (m_depth == item_depth) {
            m_in_offsets = false;
            m_field = Field::Other;
        } else if (m_item && m_depth == list_depth) {
            end_item();
        }
        return true;
    }
    bool start_array(std::size_t)
    {
        if (m_depth == 1 && m_object && m_top_key != TopKey::Other)
            m_list = m_top_key == TopKey::Transcription ? &m_transcription : &m_segments;
        else if (m_list && m_depth == list_depth)
            ++m_list->skipped; // an item that is no object
        ++m_depth;
        return true;
    }
    bool end_array()
    {
        if (--m_depth == 1)
            m_list = nullptr;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&)
    {
        return false;
    }

private:
    static constexpr int list_depth = 2; ///< where the list's items begin
    static constexpr int item_depth = 3; ///< where an item's fields are
    enum class TopKey { Other, Transcription, Segments };
    enum class Field { Other, Text, Speaker, Offsets, Start, End };

    /// A value that is neither object nor array; `number` when it is one.
    bool scalar(std::optional<double> number)
    {
        if (m_list && m_depth == list_depth) {
            ++m_list->skipped; // an item that is no object
        } else if (m_item && (m_field == Field::Start || m_field == Field::End)) {
            const bool of_offsets = m_in_offsets && m_depth == item_depth + 1;
            const bool of_segment = !m_in_offsets && m_depth == item_depth && m_list == &m_segments;
            if (of_offsets || of_segment)
                (m_field == Field::Start ? m_start : m_end) =
                    json_ms(number, of_offsets ? 1 : 1000);
        }
        return true;
    }
    void begin_item()
    {
        m_item = true;
        m_cue = Cue{};
        m_start.reset();
        m_end.reset();
        m_field = Field::Other;
    }
    void end_item()
    {
        m_item = false;
        if (!m_start || !m_end) {
            ++m_list->skipped;
            return;
        }
        m_cue.start_ms = *m_start;
        m_cue.end_ms = *m_end;
        m_list->cues.push_back(std::move(m_cue));
    }

    Draft m_transcription;
    Draft m_segments;
    bool m_seen_transcription = false;
    bool m_object = false;
    int m_depth = 0;
    TopKey m_top_key = TopKey::Other;
    Draft* m_list = nullptr; ///< the list whose items are being read
    bool m_item = false;
    bool m_in_offsets = false;
    Field m_field = Field::Other;
    Cue m_cue;
    std::optional<int> m_start;
    std::optional<int> m_end;
};

/// `text` with Python's bare NaN, Infinity and -Infinity (what its json
/// module writes by default, and JSON has not) as null; none when it has none.
std::optional<std::string> without_bare_not_numbers(std::string_view text)
{
    std::string out;
    bool in_string = false;
    bool any = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (in_string) {
            if (c == '\\')
                out += text[i++];
            else if (c == '"')
                in_string = false;
        } else if (c == '"') {
            in_string = true;
        } else {
            std::size_t length = 0;
            for (const std::string_view word : {"NaN", "Infinity", "-Infinity"})
                length = text.compare(i, word.size(), word) == 0 ? word.size() : length;
            if (length > 0) {
                out += "null";
                i += length - 1;
                any = true;
                continue;
            }
        }
        if (i < text.size())
            out += text[i];
    }
    if (!any)
        return std::nullopt;
    return out;
}

} // namespace

Draft read_recognizer_json(std::string_view text)
{
    RecognizerJson cues;
    if (nlohmann::json::sax_parse(text, &cues))
        return std::move(cues).result();
    if (const auto plain = without_bare_not_numbers(text)) {
        RecognizerJson again;
        if (nlohmann::json::sax_parse(*plain, &again))
            return std::move(again).result();
    }
    return {};
}

} // namespace cuedeck

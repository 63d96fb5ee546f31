#include "files/settings_format.h"

#include <algorithm>
#include <charconv>
#include <type_traits>
#include <vector>

#include "base/text_lines.h"

namespace cuedeck {

namespace {

template <typename... Visitors> struct Overloaded : Visitors...
{
    using Visitors::operator()...;
};
template <typename... Visitors> Overloaded(Visitors...) -> Overloaded<Visitors...>;

// The keys in the order the file is written.
constexpr SettingRow rows[] = {
    {"Openfile", &RunRecord::open_file},
    {"SoundOn", &Settings::sound_on, 1},
    {"Soundfile", &Settings::sound_file},
    {"Tiptime", &Settings::tip_time},
    {"Playusing", &Settings::play_using},
    {"BackTime", &Settings::back_time},
    {"StepBackToPhrase", &Settings::phrase_step_back, 0, 0, 1, WrittenWhen::NotDefault},
    {"DraftSubtitles", &Settings::draft_subtitles, 1, 0, 1, WrittenWhen::NotDefault},
    {"Speed", &RunRecord::speed, speed::normal, speed::slowest, speed::fastest, WrittenWhen::Set},
    {"ReduceNoise", &RunRecord::reduce_noise, 0, 0, 1, WrittenWhen::NotDefault},
    {"VoiceBand", &RunRecord::voice_band, 0, 0, 1, WrittenWhen::NotDefault},
    {"EvenLoudness", &RunRecord::even_loudness, 0, 0, 1, WrittenWhen::NotDefault},
    {"Louder", &RunRecord::louder, 0, 0, 1, WrittenWhen::NotDefault},
    {"Channel", &RunRecord::channel, 0, 0, 3, WrittenWhen::NotDefault},
    {"GlobalKeys", &Settings::global_keys, int(GlobalKeys::Off), int(GlobalKeys::Off),
     int(GlobalKeys::WithCtrlShift), WrittenWhen::NotDefault},
    {"PedalDevice", &Settings::pedal_device, 0, INT_MIN, INT_MAX, WrittenWhen::WithPedal},
    {"PedalButtons", &Settings::pedal_buttons, 0, INT_MIN, INT_MAX, WrittenWhen::WithPedal},
    {"PedalMode", &Settings::pedal_mode, int(PedalMode::Hold), int(PedalMode::Hold),
     int(PedalMode::Toggle), WrittenWhen::WithPedal},
    {"KeypadDevice", &Settings::keypad_device, 0, INT_MIN, INT_MAX, WrittenWhen::WithKeypad},
    {"KeypadKeys", &Settings::keypad_keys, 0, INT_MIN, INT_MAX, WrittenWhen::WithKeypad},
    {"PedalCues", &Settings::pedal_cues, 0, 0, 1, WrittenWhen::NotDefault},
    {"Recognizer", &Settings::recognizer, -1, -1, 4, WrittenWhen::NotDefault},
    {"RecognizerModel", &Settings::recognizer_model, 0, 0, 0, WrittenWhen::NotDefault},
    {"RecognizerLanguage", &Settings::recognizer_language, 0, 0, 0, WrittenWhen::NotDefault},
    {"RecognizerCommand", &Settings::recognizer_command, 0, 0, 0, WrittenWhen::NotDefault},
    {"RecognizerServer", &Settings::recognizer_server, 0, 0, 0, WrittenWhen::NotDefault},
    {"RecognizerKeyFile", &Settings::recognizer_key_file, 0, 0, 0, WrittenWhen::NotDefault},
};

/// A whole number the row allows, else its default.
int bounded(const SettingRow& row, int value)
{
    return within(row, value) ? value : row.default_value;
}

/// The value a field holds, to visit: the record's or the settings' member.
template <typename Text, typename Visitor>
void visit_field(const SettingRow& row, Text& text, Visitor&& visitor)
{
    std::visit(Overloaded{
                   [&](auto RunRecord::*member) { visitor(text.run.*member); },
                   [&](auto Settings::*member) { visitor(text.settings.*member); },
               },
               row.field);
}

std::string value_text(const SettingRow& row, const SettingsText& settings)
{
    std::string text;
    visit_field(
        row, settings,
        Overloaded{
            [&](const std::string& value) {
                if (!has_line_break(value))
                    text = value;
            },
            [&](const std::optional<int>& value) { text = std::to_string(value.value_or(0)); },
            [&](int value) { text = std::to_string(value); },
            [&](GlobalKeys value) { text = std::to_string(int(value)); },
            [&](PedalMode value) { text = std::to_string(int(value)); },
            [&](const std::optional<PedalButtons>& value) {
                if (value)
                    text = format_pedal_buttons(*value);
            },
            [&](const std::vector<KeypadKey>& value) { text = format_keypad_keys(value); },
        });
    return text;
}

bool is_written(const SettingRow& row, const SettingsText& settings)
{
    switch (row.written) {
    case WrittenWhen::Always:
        return true;
    case WrittenWhen::Set: {
        bool set = true;
        visit_field(row, settings, [&](const auto& value) {
            if constexpr (requires { value.has_value(); })
                set = value.has_value();
        });
        return set;
    }
    case WrittenWhen::NotDefault: {
        bool text = false; // a text's default is empty
        visit_field(row, settings, [&](const auto& value) {
            text = std::is_same_v<std::decay_t<decltype(value)>, std::string>;
        });
        return value_text(row, settings) != (text ? "" : std::to_string(row.default_value));
    }
    case WrittenWhen::WithPedal:
        // A device that could not be read back (it would be written empty) is none.
        return !settings.settings.pedal_device.empty() &&
               !has_line_break(settings.settings.pedal_device);
    case WrittenWhen::WithKeypad:
        return !settings.settings.keypad_device.empty() &&
               !has_line_break(settings.settings.keypad_device);
    }
    return true;
}

void read_value(const SettingRow& row, const std::string& line, SettingsText& settings)
{
    visit_field(row, settings,
                Overloaded{
                    [&](std::string& value) { value = line; },
                    [&](std::optional<int>& value) { value = bounded(row, to_int(line)); },
                    [&](int& value) { value = bounded(row, to_int(line)); },
                    [&](GlobalKeys& value) { value = GlobalKeys(bounded(row, to_int(line))); },
                    [&](PedalMode& value) { value = PedalMode(bounded(row, to_int(line))); },
                    [&](std::optional<PedalButtons>& value) { value = parse_pedal_buttons(line); },
                    [&](std::vector<KeypadKey>& value) { value = parse_keypad_keys(line); },
                });
}

bool is_command_name(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

/// One "code:name" entry, if it is one.
std::optional<KeypadKey> keypad_key(std::string_view entry)
{
    int code = -1;
    const auto [colon, error] = std::from_chars(entry.data(), entry.data() + entry.size(), code);
    if (error != std::errc() || colon == entry.data() + entry.size() || *colon != ':' || code < 0 ||
        code > highest_key_code)
        return std::nullopt;
    const std::string_view name(colon + 1, std::size_t(entry.data() + entry.size() - colon - 1));
    if (!is_command_name(name))
        return std::nullopt;
    return KeypadKey{code, std::string(name)};
}

} // namespace

std::span<const SettingRow> setting_rows()
{
    return rows;
}

const SettingRow& setting_row(SettingRow::Field field)
{
    for (const SettingRow& row : rows) {
        if (row.field == field)
            return row;
    }
    return rows[0]; // every field has its row
}

SettingsText default_settings()
{
    SettingsText settings;
    for (const SettingRow& row : rows) {
        visit_field(row, settings, [&](auto& value) {
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, int> || std::is_enum_v<Value>)
                value = Value(row.default_value);
        });
    }
    return settings;
}

std::string format_settings(const SettingsText& settings)
{
    std::string text;
    for (const SettingRow& row : rows) {
        if (!is_written(row, settings))
            continue;
        text += row.key;
        text += '\n';
        text += value_text(row, settings);
        text += '\n';
    }
    return text;
}

void parse_settings(std::string_view text, SettingsText& settings)
{
    const std::vector<std::string> lines = split_lines(text);
    std::size_t next = 0;
    // Past the end every line reads as empty, which ends the reading.
    auto read_line = [&]() { return next < lines.size() ? lines[next++] : std::string(); };

    for (std::string line = read_line(); !line.empty(); line = read_line()) {
        for (const SettingRow& row : rows) {
            if (line == row.key) {
                read_value(row, read_line(), settings);
                break;
            }
        }
    }
}

std::optional<PedalButtons> parse_pedal_buttons(std::string_view text)
{
    PedalButtons codes{};
    std::size_t count = 0;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (;;) {
        while (at != end && (*at == ' ' || *at == '\t'))
            ++at;
        if (at == end)
            break;
        int code = 0;
        const auto [next, error] = std::from_chars(at, end, code);
        if (error != std::errc() || code < 0 || count == codes.size() ||
            (next != end && *next != ' ' && *next != '\t'))
            return std::nullopt;
        codes[count++] = code;
        at = next;
    }
    if (count != codes.size() || codes[0] == codes[1] || codes[1] == codes[2] ||
        codes[0] == codes[2])
        return std::nullopt;
    return codes;
}

std::string format_pedal_buttons(const PedalButtons& codes)
{
    return std::to_string(codes[0]) + ' ' + std::to_string(codes[1]) + ' ' +
           std::to_string(codes[2]);
}

std::vector<KeypadKey> parse_keypad_keys(std::string_view text)
{
    std::vector<KeypadKey> keys;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty()) {
        const auto start = std::find_if_not(text.begin(), text.end(), blank);
        const auto end = std::find_if(start, text.end(), blank);
        const auto key = keypad_key(std::string_view(start, end));
        if (key && std::none_of(keys.begin(), keys.end(),
                                [&](const KeypadKey& other) { return other.code == key->code; }))
            keys.push_back(*key);
        text.remove_prefix(std::size_t(end - text.begin()));
    }
    return keys;
}

std::string format_keypad_keys(const std::vector<KeypadKey>& keys)
{
    std::string text;
    for (const KeypadKey& key : keys) {
        if (key.code < 0 || key.code > highest_key_code || !is_command_name(key.command))
            continue;
        if (!text.empty())
            text += ' ';
        text += std::to_string(key.code) + ':' + key.command;
    }
    return text;
}

} // namespace cuedeck

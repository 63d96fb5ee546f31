#include "files/settings_format.h"

#include <vector>

#include "base/text_lines.h"

namespace cuedeck {

namespace {

enum class ValueKind { Text, Integer, OptionalInteger, IntegerUnlessZero, PedalText, PedalInteger };

struct Key
{
    const char* name;
    ValueKind kind;
    std::string Settings::*text = nullptr;
    int Settings::*integer = nullptr;
    std::optional<int> Settings::*optional = nullptr;
};

// The keys in the order the file is written.
const Key keys[] = {
    {"Openfile", ValueKind::Text, &Settings::open_file},
    {"SoundOn", ValueKind::Integer, nullptr, &Settings::sound_on},
    {"Soundfile", ValueKind::Text, &Settings::sound_file},
    {"Tiptime", ValueKind::Integer, nullptr, &Settings::tip_time},
    {"Playusing", ValueKind::Integer, nullptr, &Settings::play_using},
    {"BackTime", ValueKind::Integer, nullptr, &Settings::back_time},
    {"Speed", ValueKind::OptionalInteger, nullptr, nullptr, &Settings::speed},
    {"GlobalKeys", ValueKind::IntegerUnlessZero, nullptr, &Settings::global_keys},
    {"PedalDevice", ValueKind::PedalText, &Settings::pedal_device},
    {"PedalButtons", ValueKind::PedalText, &Settings::pedal_buttons},
    {"PedalMode", ValueKind::PedalInteger, nullptr, &Settings::pedal_mode},
};

bool is_text(ValueKind kind)
{
    return kind == ValueKind::Text || kind == ValueKind::PedalText;
}

bool is_integer(ValueKind kind)
{
    return kind == ValueKind::Integer || kind == ValueKind::IntegerUnlessZero ||
           kind == ValueKind::PedalInteger;
}

} // namespace

std::string format_settings(const Settings& settings)
{
    // A device that could not be read back (it would be written empty) is none.
    const bool pedal_set = !settings.pedal_device.empty() && !has_line_break(settings.pedal_device);
    std::string text;
    for (const Key& key : keys) {
        if ((key.kind == ValueKind::OptionalInteger && !(settings.*key.optional)) ||
            (key.kind == ValueKind::IntegerUnlessZero && settings.*key.integer == 0) ||
            ((key.kind == ValueKind::PedalText || key.kind == ValueKind::PedalInteger) &&
             !pedal_set))
            continue;
        text += key.name;
        text += '\n';
        if (is_integer(key.kind))
            text += std::to_string(settings.*key.integer);
        else if (key.kind == ValueKind::OptionalInteger)
            text += std::to_string(*(settings.*key.optional));
        else if (!has_line_break(settings.*key.text))
            text += settings.*key.text;
        text += '\n';
    }
    return text;
}

void parse_settings(std::string_view text, Settings& settings)
{
    const std::vector<std::string> lines = split_lines(text);
    std::size_t next = 0;
    // Past the end every line reads as empty, which ends the reading.
    auto read_line = [&]() { return next < lines.size() ? lines[next++] : std::string(); };

    for (std::string line = read_line(); !line.empty(); line = read_line()) {
        for (const Key& key : keys) {
            if (line != key.name)
                continue;
            if (is_text(key.kind))
                settings.*key.text = read_line();
            else if (is_integer(key.kind))
                settings.*key.integer = to_int(read_line());
            else
                settings.*key.optional = to_int(read_line());
            break;
        }
    }
}

} // namespace cuedeck

#include "control/dialogs/options_exchange.h"

#include <algorithm>
#include <iterator>

#include <charconv>
#include <tuple>

#include "base/translation.h"
#include "control/commands/global_keys.h"
#include "control/commands/keypad.h"

namespace cuedeck::options_exchange {

Controls show(const Options& values)
{
    return {values.play_using == 0 || values.play_using == 1 ? values.play_using : -1,
            values.sound_file,
            values.sound_on != 0,
            std::to_string(values.tip_time),
            std::to_string(values.back_time),
            int(values.global_keys),
            values.pedal_device,
            values.pedal_buttons,
            values.pedal_mode == PedalMode::Toggle,
            values.pedal_cues != 0,
            values.phrase_step_back != 0,
            values.draft_subtitles != 0};
}

std::optional<NumberField> read(const Controls& controls, Options& values)
{
    values.play_using = controls.play_using;
    values.sound_file = controls.sound_file;
    values.sound_on = controls.sound_on ? 1 : 0;
    values.global_keys = global_keys_from(controls.global_keys);
    values.pedal_device = controls.pedal_device;
    values.pedal_buttons = controls.pedal_buttons;
    values.pedal_mode = controls.pedal_toggles ? PedalMode::Toggle : PedalMode::Hold;
    values.pedal_cues = controls.pedal_cues ? 1 : 0;
    values.phrase_step_back = controls.phrase_step_back ? 1 : 0;
    values.draft_subtitles = controls.draft_subtitles ? 1 : 0;
    for (const auto& [text, field, refused] :
         {std::tuple{&controls.tip_time, &Settings::tip_time, NumberField::TipTime},
          std::tuple{&controls.back_time, &Settings::back_time, NumberField::BackTime}}) {
        const auto number = whole_number(*text);
        if (!number || !within(setting_row(field), *number))
            return refused;
        values.*field = *number;
    }
    return std::nullopt;
}

std::vector<PedalChoice> pedal_choices(const std::vector<InputDevice>& devices,
                                       const std::string& stored, std::size_t& chosen)
{
    std::vector<PedalChoice> choices{{no_pedal, {}}};
    chosen = 0;
    for (const InputDevice& device : devices) {
        if (device.path == stored ||
            (stored.empty() && chosen == 0 && device.vendor == usual_pedal))
            chosen = choices.size();
        choices.push_back(
            {device.name + (device.vendor.empty() ? "" : " (" + device.vendor + ")"), device.path});
    }
    if (!stored.empty() && chosen == 0) {
        chosen = choices.size();
        choices.push_back({stored, stored});
    }
    return choices;
}

bool learn_pedal_button(std::vector<int>& learned, int code)
{
    // Each pedal its own button: a second press of one is not the next.
    if (learned.size() >= std::size(pedal_prompts) ||
        std::find(learned.begin(), learned.end(), code) != learned.end())
        return false;
    learned.push_back(code);
    return true;
}

std::string keypad_choice_label(std::string_view name)
{
    if (name == play_while_held.id)
        return translated(play_while_held_label);
    const auto command = command_named(name);
    for (const auto table : {menu_table(), speed_menu_table(), aids_menu_table(),
                             phrase_menu_table(), loop_menu_table()}) {
        for (const MenuItem& item : table) {
            if (!command || item.command != *command)
                continue;
            std::string label = translated(item.label);
            std::erase(label, '&');
            return label + " (" + std::string(name) + ")";
        }
    }
    return std::string(name);
}

void learn_keypad_key(std::vector<KeypadKey>& keys, int code, std::string command)
{
    const auto known = std::find_if(keys.begin(), keys.end(),
                                    [code](const KeypadKey& key) { return key.code == code; });
    if (known != keys.end())
        known->command = std::move(command);
    else
        keys.push_back({code, std::move(command)});
}

std::optional<int> whole_number(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace cuedeck::options_exchange

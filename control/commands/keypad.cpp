#include "control/commands/keypad.h"

#include <algorithm>

namespace cuedeck {

std::vector<std::string_view> keypad_choices()
{
    std::vector<std::string_view> choices{play_while_held.id};
    for (const CommandRow& row : command_table()) {
        if (row.name != nullptr)
            choices.emplace_back(row.name);
    }
    return choices;
}

KeypadLogic::KeypadLogic(const std::vector<KeypadKey>& keys)
{
    for (const KeypadKey& key : keys) {
        if (std::any_of(m_keys.begin(), m_keys.end(),
                        [&](const Key& known) { return known.code == key.code; }))
            continue;
        if (key.command == play_while_held.id)
            m_keys.push_back({key.code, std::nullopt});
        else if (const auto command = command_named(key.command))
            m_keys.push_back({key.code, *command});
    }
}

std::optional<Command> KeypadLogic::key(int code, KeyRecord::State state)
{
    const auto found = std::find_if(m_keys.begin(), m_keys.end(),
                                    [&](const Key& key) { return key.code == code; });
    if (found == m_keys.end())
        return std::nullopt;
    Key& key = *found;
    const bool was_down = key.down;
    if (state != KeyRecord::Held)
        key.down = state == KeyRecord::Down;
    if (!key.command) {
        if (state == KeyRecord::Held || was_down == key.down)
            return std::nullopt;
        return key.down ? Command::Play : Command::Pause;
    }
    if ((state == KeyRecord::Down && !was_down) || (state == KeyRecord::Held && was_down))
        return key.command;
    return std::nullopt;
}

std::optional<Command> KeypadLogic::release_all()
{
    bool playing = false;
    for (Key& key : m_keys) {
        playing = playing || (key.down && !key.command);
        key.down = false;
    }
    return playing ? std::optional(Command::Pause) : std::nullopt;
}

std::vector<int> KeypadLogic::codes() const
{
    std::vector<int> codes;
    for (const Key& key : m_keys)
        codes.push_back(key.code);
    return codes;
}

} // namespace cuedeck

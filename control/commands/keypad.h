#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "control/commands/commands.h"
#include "control/commands/global_keys.h"
#include "files/input_events.h"
#include "files/settings_format.h"

namespace cuedeck {

/// What a keypad's key may run, in the order Learn offers them: "play while
/// held" (play_while_held.id: played while the key is down, paused with the
/// step back when it is let go), then every command `cuedeck --command` takes.
std::vector<std::string_view> keypad_choices();

/// Turns a keypad's key records into commands: a key runs its command when
/// pressed and again at each of the device's repeats while held (as a held
/// key does in the window); a "play while held" key plays on its press and
/// pauses on its release. Keys the settings do not name, and names no
/// command has, do nothing.
class KeypadLogic
{
public:
    explicit KeypadLogic(const std::vector<KeypadKey>& keys);

    /// A key's record: the command to run now, if any. A press of a key
    /// known to be down already (a state read after a lost stretch) and a
    /// repeat of one known to be up do nothing.
    std::optional<Command> key(int code, KeyRecord::State state);
    /// Everything let go (the keypad was unplugged): the pause of a "play
    /// while held" key that was down.
    std::optional<Command> release_all();
    /// The codes of the keys it knows, for a device that asks their state.
    std::vector<int> codes() const;

    friend bool operator==(const KeypadLogic& a, const KeypadLogic& b)
    {
        return a.m_keys == b.m_keys;
    }

private:
    struct Key
    {
        int code;
        std::optional<Command> command; ///< none: play while held
        bool down = false;
        friend bool operator==(const Key& a, const Key& b)
        {
            return a.code == b.code && a.command == b.command;
        }
    };
    std::vector<Key> m_keys;
};

} // namespace cuedeck

#pragma once

#include <string>
#include <vector>

#include "control/commands.h"

namespace cuedeck {

/// Which keys act in every window, whatever has the focus: the settings'
/// "GlobalKeys" value and the Options dialog's choice.
enum class GlobalKeys {
    Off = 0,
    FunctionKeys = 1,  ///< F4 to F12 alone
    WithCtrlShift = 2, ///< F4 to F12 with Ctrl+Shift held
};

/// A stored value as a choice; one that is none of them reads as Off.
GlobalKeys global_keys_from(int value);

/// The Options dialog's items, in the order of the values.
constexpr const char* global_keys_caption = "Keys work in every window:";
constexpr const char* global_keys_items[] = {"Off", "F4 to F12", "Ctrl+Shift+F4 to F12"};

/// The keys that act in every window when the choice is on: the function
/// keys of the key table, each with its command there.
std::vector<KeyBinding> global_key_table();

/// How a message names a key under the choice: "F12", "Ctrl+Shift+F12".
std::string global_key_name(Key key, GlobalKeys choice);
/// What the Options dialog says of the keys another program holds: "F12 is
/// taken by another program"; empty when none is.
std::string taken_keys_note(const std::vector<Key>& taken, GlobalKeys choice);
/// What it says where the desktop offers no keys for every window.
constexpr const char* no_global_keys_note =
    "This desktop offers no keys for every window: bind cuedeck --command NAME "
    "to keys in the desktop's keyboard settings instead.";

} // namespace cuedeck

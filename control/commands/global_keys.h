#pragma once

#include <iterator>
#include <string>
#include <vector>

#include "base/ui_text.h"
#include "control/commands/commands.h"
#include "files/settings_format.h"

namespace cuedeck {

/// The Options dialog's choice of keys for every window (see GlobalKeys,
/// files/settings_format.h); one that is none of them reads as Off.
GlobalKeys global_keys_from(int value);

/// The Options dialog's items, in the order of the values.
constexpr const char* global_keys_caption = UI_TEXT("Keys work in every window:");
constexpr const char* global_keys_items[] = {UI_TEXT("Off"), UI_TEXT("F4 to F12"),
                                             UI_TEXT("Ctrl+Shift+F4 to F12")};
static_assert(std::size(global_keys_items) == std::size_t(GlobalKeys::WithCtrlShift) + 1);

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
    UI_TEXT("This desktop offers no keys for every window: bind cuedeck --command NAME "
            "to keys in the desktop's keyboard settings instead.");

} // namespace cuedeck

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

/// How this desktop lends Cuedeck the keys for every window.
enum class GlobalKeysPath {
    Grabbed,    ///< Cuedeck takes them itself (X11's grabs, Windows' hot keys)
    Lent,       ///< the desktop portal lends them as global shortcuts (Wayland)
    NotOffered, ///< neither: the desktop's own keyboard settings must run Cuedeck
};
/// What the Options dialog says beside the choice of each path.
constexpr const char* global_keys_path_texts[] = {
    UI_TEXT("taken by Cuedeck (X11)"), UI_TEXT("lent by the desktop"),
    UI_TEXT("not offered by this desktop: use a keypad, the pedal, or cuedeck --command in the "
            "desktop's keyboard settings")};
static_assert(std::size(global_keys_path_texts) == std::size_t(GlobalKeysPath::NotOffered) + 1);

/// A shortcut the desktop portal lends beside the function keys, where the
/// desktop tells a shortcut's release: held, it plays; let go, it pauses with
/// the step back, as the foot pedal's middle pedal does in hold mode. It has
/// no key of its own: the user gives it one in the desktop's dialog.
struct HeldShortcut
{
    const char* id;
    const char* description;
    Command pressed;
    Command released;
};
constexpr HeldShortcut play_while_held{"play-while-held", UI_TEXT("Play while held"), Command::Play,
                                       Command::Pause};

} // namespace cuedeck

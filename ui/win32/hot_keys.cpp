#include "ui/win32/hot_keys.h"
#include "ui/win32/win32_keys.h"

#include <vector>

namespace cuedeck {

void HotKeys::take(HWND window, GlobalKeys choice)
{
    give_back();
    m_window = window;
    std::vector<Key> taken;
    if (choice != GlobalKeys::Off) {
        // A held key repeats, as in the window (no MOD_NOREPEAT).
        const UINT modifiers = choice == GlobalKeys::WithCtrlShift ? MOD_CONTROL | MOD_SHIFT : 0;
        for (const KeyBinding& binding : global_key_table()) {
            ++m_registered;
            if (!RegisterHotKey(m_window, m_registered, modifiers, virtual_key_of(binding.key)))
                taken.push_back(binding.key);
        }
    }
    m_note = taken_keys_note(taken, choice);
    m_session.set_global_keys_note(m_note);
}

void HotKeys::give_back()
{
    for (int id = 1; id <= m_registered; ++id)
        UnregisterHotKey(m_window, id);
    m_registered = 0;
}

void HotKeys::pressed(WPARAM id)
{
    const auto keys = global_key_table();
    if (id >= 1 && id <= keys.size())
        m_session.submit({keys[id - 1].command});
}

} // namespace cuedeck

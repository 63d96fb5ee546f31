#pragma once

#include <windows.h>

#include <string>

#include "control/commands/global_keys.h"
#include "control/session/session_port.h"

namespace cuedeck {

/// The keys for every window on Windows: hot keys registered for the main
/// window. A press is a request to the session like any other from outside
/// the window, under the same rule (refused while the window asks
/// something).
class HotKeys
{
public:
    explicit HotKeys(SessionPort& session) : m_session(session) {}
    ~HotKeys() { give_back(); }
    HotKeys(const HotKeys&) = delete;
    HotKeys& operator=(const HotKeys&) = delete;

    /// Take the keys of `choice` for `window`, giving back those held
    /// before; what could not be taken is named in note().
    void take(HWND window, GlobalKeys choice);
    void give_back();
    /// WM_HOTKEY with `id`.
    void pressed(WPARAM id);
    /// The keys another program holds; empty when all were taken.
    const std::string& note() const { return m_note; }

private:
    SessionPort& m_session;
    HWND m_window = nullptr;
    int m_registered = 0; ///< hot key ids 1 to this are ours
    std::string m_note;
};

} // namespace cuedeck

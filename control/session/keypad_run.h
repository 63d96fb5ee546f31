#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/ui_text.h"
#include "control/commands/keypad.h"
#include "control/session/pedal_run.h"
#include "control/session/session_port.h"

namespace cuedeck {

/// The keypad's rules on every platform, as PedalRun's for the pedal and
/// through the same device seam (a keypad's device is opened, read, paused
/// and looked for again as a pedal's is): which device and keys the
/// settings name, the keys' records turned into the run's commands (from the
/// event loop, refused while the window asks something), Learn, and an
/// unplugged keypad let go. The repeat is the device's own (its repeat
/// records), so the device's repeat timer is never asked for.
class KeypadRun
{
public:
    static constexpr const char* disconnected = UI_TEXT("Keypad disconnected");
    static constexpr const char* not_input_device = UI_TEXT("Keypad: not an input device");

    KeypadRun(SessionPort& session, PedalDevice& device);
    ~KeypadRun();
    KeypadRun(const KeypadRun&) = delete;
    KeypadRun& operator=(const KeypadRun&) = delete;

    /// Take up the keypad the settings name (and follow them from here on).
    void start() { follow(); }

    /// What the device tells: a key's record; the device was opened; it is
    /// gone (it is looked for again).
    void key(int code, KeyRecord::State state);
    void opened();
    void unplugged();
    /// What the window's status says of the keypad; empty: nothing.
    void show_state(const std::string& text);
    /// Whether the device may be read now (no command read waits).
    bool reading_allowed() const { return m_pending == 0; }
    /// The keys the settings name, for a device that asks their state.
    std::vector<int> codes() const;

private:
    void follow();
    void act(std::optional<Command> command);
    void acted();
    /// Learning on `device`: its presses are told to the session instead of
    /// acting on the run; none: back to the settings' keypad.
    void learn(const std::optional<std::string>& device);

    SessionPort& m_session;
    PedalDevice& m_device;
    std::vector<SessionPort::ListenerId> m_listening;
    std::string m_path; ///< what is read: the settings' device, or one being learned
    std::optional<KeypadLogic> m_logic;
    bool m_learning = false;
    int m_pending = 0;      ///< commands read, not yet carried out
    bool m_showing = false; ///< the status says something of the keypad
    /// Cleared when the run goes, so that an answer after it does nothing.
    std::shared_ptr<KeypadRun*> m_self;
};

} // namespace cuedeck

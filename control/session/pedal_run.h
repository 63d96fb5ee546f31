#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/ui_text.h"
#include "control/commands/pedal.h"
#include "control/session/session_port.h"

namespace cuedeck {

/// A foot pedal's device as a platform reads it (an input device node on
/// Linux, a HID device on Windows, or a pipe that carries what either
/// sends). It tells the PedalRun what happens, always from the event loop.
class PedalDevice
{
public:
    virtual ~PedalDevice() = default;
    /// Start reading `path`; while it cannot be opened (unplugged), it is
    /// looked for again until close().
    virtual void open(const std::string& path) = 0;
    virtual void close() = 0;
    /// Whether it is being read now.
    virtual bool is_open() const = 0;
    /// Reading stops while the actions read wait to be carried out, so
    /// that a flood of presses waits in the device, not in our queue.
    virtual void set_reading(bool reading) = 0;
    /// While a side pedal is held: PedalRun::repeat() every
    /// PedalLogic::repeat_ms.
    virtual void set_repeating(bool repeating) = 0;
};

/// The foot pedal's rules on every platform: which device and buttons the
/// settings name, the presses turned into the run's commands (from the
/// event loop, refused while the window asks something, as every remote
/// command is), the repeat of a held side pedal, Learn, and an unplugged
/// pedal let go.
class PedalRun
{
public:
    static constexpr const char* disconnected = UI_TEXT("Pedal disconnected");
    /// What the device state says of a path that is no pedal.
    static constexpr const char* not_input_device = UI_TEXT("Pedal: not an input device");

    PedalRun(SessionPort& session, PedalDevice& device);
    ~PedalRun();
    PedalRun(const PedalRun&) = delete;
    PedalRun& operator=(const PedalRun&) = delete;

    /// Take up the pedal the settings name (and follow them from here on).
    void start() { follow(); }

    /// What the device tells: a button's change; the device was opened; it
    /// is gone (it is looked for again); the repeat timer fired.
    void changed(int code, bool down);
    void opened();
    void unplugged();
    void repeat();
    /// Whether the device may be read now (no action read waits).
    bool reading_allowed() const { return m_pending == 0; }
    /// The buttons the settings name, for a device that asks their state.
    std::optional<PedalButtons> buttons() const;

private:
    /// Open the device again when the settings changed it.
    void follow();
    void act(std::optional<PedalAction> action);
    /// An action was carried out (or refused): the device is read again
    /// once none waits.
    void acted();
    /// Learning on `device`: the next presses are told to the session
    /// instead of acting on the run; none: back to the settings' pedal.
    void learn(const std::optional<std::string>& device);

    SessionPort& m_session;
    PedalDevice& m_device;
    std::vector<SessionPort::ListenerId> m_listening;
    std::string m_path; ///< what is read: the settings' device, or one being learned
    std::optional<PedalLogic> m_logic;
    bool m_learning = false;
    int m_pending = 0; ///< actions read, not yet carried out
    /// Cleared when the run goes, so that an answer after it does nothing.
    std::shared_ptr<PedalRun*> m_self;
};

} // namespace cuedeck

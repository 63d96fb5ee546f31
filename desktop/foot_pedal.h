#pragma once

#include <QObject>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/ui_text.h"
#include "control/commands/pedal.h"
#include "control/session/session_port.h"
#include "files/input_events.h"

class QSocketNotifier;

namespace cuedeck {

/// The foot pedal the settings name, read straight from its device node:
/// its presses become the run's commands, from the event loop and refused
/// while the window asks something, as every remote command is. Cuedeck
/// takes the device for itself (so that a press is not also a click
/// elsewhere); unplugged, it says so and takes the pedal up again when it
/// comes back. An input device is read, or a pipe that carries its records
/// (without the grab); any other path is refused and named once.
class FootPedal : public QObject
{
    Q_OBJECT

public:
    explicit FootPedal(SessionPort& session, QObject* parent = nullptr);
    ~FootPedal() override;

    /// How often an unplugged pedal is looked for.
    static constexpr int look_again_ms = 1000;
    static constexpr const char* disconnected = UI_TEXT("Pedal disconnected");
    static constexpr const char* not_input_device = UI_TEXT("Pedal: not an input device");
    /// How many input records one turn of the event loop reads at most.
    static constexpr int read_records = 64;

private:
    /// Open the device again when the settings changed it.
    void follow();
    void open();
    void close();
    void readable();
    /// The device is gone: let go of everything and look for it again.
    void unplugged();
    /// The buttons down now, asked of the device after it lost events.
    void read_button_state();
    void change(int code, bool down);
    void act(std::optional<PedalAction> action);
    /// An action was carried out (or refused): the device is read again
    /// once none waits.
    void acted();
    /// Learning on `device`: the next presses are told to the session
    /// instead of acting on the run; none: back to the settings' pedal.
    void learn(const std::optional<std::string>& device);

    SessionPort& m_session;
    std::vector<SessionPort::ListenerId> m_listening;
    std::string m_device; ///< what is read: the settings' device, or one being learned
    std::optional<PedalLogic> m_logic;
    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    InputEventReader m_reader;
    QTimer m_look_again;
    QTimer m_repeat;
    bool m_learning = false;
    int m_pending = 0;           ///< actions read, not yet carried out
    std::string m_told_unusable; ///< the device last named as no pedal
    bool m_told_taken = false;
    bool m_told_permission = false;
};

} // namespace cuedeck

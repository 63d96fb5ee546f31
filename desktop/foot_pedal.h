#pragma once

#include <QObject>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/ui_text.h"
#include "control/session/pedal_run.h"
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
class FootPedal : public QObject, private PedalDevice
{
    Q_OBJECT

public:
    explicit FootPedal(SessionPort& session, QObject* parent = nullptr);
    ~FootPedal() override;

    /// How often an unplugged pedal is looked for.
    static constexpr int look_again_ms = 1000;
    /// How many input records one turn of the event loop reads at most.
    static constexpr int read_records = 64;

private:
    // PedalDevice
    void open(const std::string& path) override;
    void close() override;
    bool is_open() const override { return m_fd >= 0; }
    void set_reading(bool reading) override;
    void set_repeating(bool repeating) override;

    void open_again();
    /// Stop reading and looking for the device.
    void let_go();
    void readable();
    /// The device is gone: let go of everything and look for it again.
    void unplugged();
    /// The buttons down now, asked of the device after it lost events.
    void read_button_state();

    SessionPort& m_session;
    std::string m_path; ///< what is read, or looked for
    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    InputEventReader m_reader;
    QTimer m_look_again;
    QTimer m_repeat;
    std::string m_told_unusable; ///< the device last named as no pedal
    bool m_told_taken = false;
    bool m_told_permission = false;
    PedalRun m_run{m_session, *this};
};

} // namespace cuedeck

#pragma once

#include <QObject>
#include <QTimer>

#include <memory>
#include <string>

#include "control/session/keypad_run.h"
#include "control/session/session_port.h"
#include "desktop/foot_pedal.h"
#include "files/input_events.h"

class QSocketNotifier;

namespace cuedeck {

/// The keypad (a USB numeric keypad or macro pad) the settings name, read
/// straight from its device node, as the foot pedal is: on every desktop,
/// with or without a display server's help. Cuedeck takes the device for
/// itself, so that its keys type nothing elsewhere; unplugged, it says so
/// and takes the keypad up again when it comes back. An input device is
/// read, or a pipe that carries its records (without the grab); any other
/// path is refused and named once. A held key repeats at the device's own
/// repeat records.
class Keypad : public QObject, private PedalDevice
{
    Q_OBJECT

public:
    explicit Keypad(SessionPort& session, QObject* parent = nullptr);
    ~Keypad() override;

    /// How often an unplugged keypad is looked for, and how many input
    /// records one turn of the event loop reads at most: as for the pedal.
    static constexpr int look_again_ms = FootPedal::look_again_ms;
    static constexpr int read_records = FootPedal::read_records;

private:
    // PedalDevice
    void open(const std::string& path) override;
    void close() override;
    bool is_open() const override { return m_fd >= 0; }
    void set_reading(bool reading) override;
    void set_repeating(bool) override {} // the device repeats itself

    void open_again();
    /// Stop reading and looking for the device.
    void let_go();
    void readable();
    void unplugged();
    /// The keys down now, asked of the device after it lost records.
    void read_key_state();

    SessionPort& m_session;
    std::string m_path; ///< what is read, or looked for
    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    InputEventReader m_reader;
    QTimer m_look_again;
    std::string m_told_unusable; ///< the device last named as no keypad
    bool m_told_taken = false;
    bool m_told_permission = false;
    KeypadRun m_run{m_session, *this};
};

} // namespace cuedeck

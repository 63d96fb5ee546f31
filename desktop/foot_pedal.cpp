#include "desktop/foot_pedal.h"

#include <QPointer>
#include <QSocketNotifier>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "base/translation.h"
#include "control/run/run_state.h"
#include "system/input_devices.h"

namespace cuedeck {

namespace {

/// What the user is told when the device may not be read: which device,
/// and how to be given access to it.
std::string permission_message(const std::string& path)
{
    const auto device = input_device_at(path, input_devices());
    std::string vendor = "VVVV", product = "PPPP";
    if (device && device->vendor.size() == 9) {
        vendor = device->vendor.substr(0, 4);
        product = device->vendor.substr(5);
    }
    return translated(UI_TEXT("Cannot read the foot pedal %1: permission denied.\nTo give "
                              "yourself access, put this line into %2 (as root), then unplug "
                              "the pedal and plug it in again:\n%3"),
                      {path, "/etc/udev/rules.d/70-cuedeck-pedal.rules",
                       "SUBSYSTEM==\"input\", ATTRS{idVendor}==\"" + vendor +
                           "\", ATTRS{idProduct}==\"" + product + "\", TAG+=\"uaccess\""});
}

/// Why the file open as `fd` cannot be a pedal; empty when it may be: an
/// input device (it answers the input devices' version request), or a pipe
/// that carries their records.
std::string not_a_pedal(int fd)
{
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0)
        return "it cannot be read";
    if (S_ISFIFO(info.st_mode))
        return {};
    int version = 0;
    if (S_ISCHR(info.st_mode) && ::ioctl(fd, EVIOCGVERSION, &version) == 0)
        return {};
    return S_ISDIR(info.st_mode) ? "it is a folder, not an input device"
                                 : "it is not an input device";
}

Command command_of(PedalAction action)
{
    switch (action) {
    case PedalAction::Play:
        return Command::Play;
    case PedalAction::Pause:
        return Command::Pause;
    case PedalAction::PlayPause:
        break;
    case PedalAction::Back:
        return Command::Back5Seconds;
    case PedalAction::Forward:
        return Command::Forward5Seconds;
    }
    return Command::PlayPause;
}

} // namespace

FootPedal::FootPedal(SessionPort& session, QObject* parent) : QObject(parent), m_session(session)
{
    m_look_again.setSingleShot(true);
    m_look_again.setInterval(look_again_ms);
    connect(&m_look_again, &QTimer::timeout, this, &FootPedal::open);
    m_repeat.setInterval(PedalLogic::repeat_ms);
    connect(&m_repeat, &QTimer::timeout, this, [this] {
        if (m_logic)
            act(m_logic->repeat());
    });
    m_listening = {
        m_session.listen_to_pedal_learning(
            [this](const std::optional<std::string>& device) { learn(device); }),
        m_session.listen_to_settings([this] { follow(); }),
    };
    follow();
}

FootPedal::~FootPedal()
{
    for (const SessionPort::ListenerId id : m_listening)
        m_session.stop_listening(id);
    close();
}

void FootPedal::follow()
{
    if (m_learning)
        return;
    const RunState& state = m_session.state();
    const auto codes = state.settings.pedal_buttons;
    const std::string device = codes ? state.settings.pedal_device : std::string();
    const PedalMode mode = state.settings.pedal_mode;
    if (device == m_device && (!codes || (m_logic && m_logic == PedalLogic(*codes, mode))))
        return;
    close();
    m_device = device;
    m_logic.reset();
    if (codes)
        m_logic.emplace(*codes, mode);
    if (!m_device.empty())
        open();
}

void FootPedal::open()
{
    close();
    if (m_device.empty())
        return;
    m_fd = ::open(m_device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        if (errno == EACCES && !m_told_permission) {
            m_told_permission = true;
            m_session.tell(permission_message(m_device));
        }
        m_session.show_device_state(translated(disconnected));
        m_look_again.start();
        return;
    }
    if (const std::string why = not_a_pedal(m_fd); !why.empty()) {
        // Nothing to wait for: it will not turn into a pedal. Said once, in
        // the window and on the standard error, without a question that
        // would hold up every other command.
        ::close(m_fd);
        m_fd = -1;
        m_session.show_device_state(translated(not_input_device));
        if (m_told_unusable != m_device) {
            m_told_unusable = m_device;
            std::fprintf(stderr, "cuedeck: the foot pedal %s is not used: %s\n", m_device.c_str(),
                         why.c_str());
        }
        return;
    }
    // Ours alone while we run, so that a press is not also a click or a key
    // elsewhere. A pipe is no input device: it is read without.
    if (::ioctl(m_fd, EVIOCGRAB, 1) != 0 && errno == EBUSY && !m_told_taken) {
        m_told_taken = true;
        m_session.tell(translated(
            UI_TEXT("Another program holds the foot pedal %1: its presses act there too."),
            {m_device}));
    }
    m_reader = {};
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &FootPedal::readable);
    m_notifier->setEnabled(m_pending == 0);
    m_session.show_device_state({});
}

void FootPedal::close()
{
    m_look_again.stop();
    m_repeat.stop();
    m_notifier.reset();
    if (m_fd >= 0) {
        ::ioctl(m_fd, EVIOCGRAB, 0);
        ::close(m_fd);
        m_fd = -1;
    }
}

void FootPedal::readable()
{
    // One bounded read a turn of the event loop, and none while its actions
    // wait: a device or pipe that never stops sending cannot hold up the
    // keys, the tick or the close, and a flood of presses waits in the
    // device, not in our queue.
    char buffer[read_records * input_event::size];
    const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
    if (count > 0) {
        bool dropped = false;
        const auto changes = button_changes(m_reader.feed({buffer, std::size_t(count)}), dropped);
        if (dropped)
            read_button_state();
        for (const ButtonChange& button : changes)
            change(button.code, button.down);
        return;
    }
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // The end of the stream, or the device is gone (ENODEV).
    unplugged();
}

void FootPedal::read_button_state()
{
    if (!m_logic)
        return;
    unsigned char down[KEY_MAX / 8 + 1] = {};
    if (::ioctl(m_fd, EVIOCGKEY(sizeof down), down) < 0)
        return;
    const RunState& state = m_session.state();
    if (const auto codes = state.settings.pedal_buttons) {
        for (const int code : *codes) {
            if (code <= KEY_MAX)
                change(code, (down[code / 8] & (1 << (code % 8))) != 0);
        }
    }
}

void FootPedal::unplugged()
{
    close();
    if (m_logic)
        act(m_logic->release_all());
    m_session.show_device_state(translated(disconnected));
    m_look_again.start();
}

void FootPedal::change(int code, bool down)
{
    if (m_learning) {
        if (down)
            m_session.pedal_button_learned(code);
        return;
    }
    if (!m_logic)
        return;
    act(m_logic->change(code, down));
    if (m_logic->repeating())
        m_repeat.start();
    else
        m_repeat.stop();
}

void FootPedal::act(std::optional<PedalAction> action)
{
    if (!action)
        return;
    // Carried out from the event loop, not from inside the reading; the
    // device waits meanwhile, so that a flood stays in it, not in our queue.
    ++m_pending;
    if (m_notifier)
        m_notifier->setEnabled(false);
    m_session.submit_later({command_of(*action)}, [pedal = QPointer<FootPedal>(this)](auto&) {
        if (pedal)
            pedal->acted();
    });
}

void FootPedal::acted()
{
    if (--m_pending == 0 && m_notifier)
        m_notifier->setEnabled(true);
}

void FootPedal::learn(const std::optional<std::string>& device)
{
    m_learning = device.has_value();
    if (!m_learning) {
        // Learning is over: back to the settings' pedal.
        m_device.clear();
        m_logic.reset();
        close();
        follow();
        return;
    }
    if (*device != m_device || m_fd < 0) {
        close();
        m_device = *device;
        open();
    }
}

} // namespace cuedeck

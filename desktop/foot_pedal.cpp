#include "desktop/foot_pedal.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "base/translation.h"
#include "control/state/run_state.h"
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

} // namespace

FootPedal::FootPedal(SessionPort& session, QObject* parent) : QObject(parent), m_session(session)
{
    m_look_again.setSingleShot(true);
    m_look_again.setInterval(look_again_ms);
    connect(&m_look_again, &QTimer::timeout, this, &FootPedal::open_again);
    m_repeat.setInterval(PedalLogic::repeat_ms);
    connect(&m_repeat, &QTimer::timeout, this, [this] { m_run.repeat(); });
    m_run.start();
}

FootPedal::~FootPedal()
{
    let_go();
}

void FootPedal::open(const std::string& path)
{
    close();
    m_path = path;
    open_again();
}

void FootPedal::open_again()
{
    if (m_path.empty())
        return;
    m_fd = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        if (errno == EACCES && !m_told_permission) {
            m_told_permission = true;
            m_session.tell(permission_message(m_path));
        }
        m_session.show_device_state(translated(PedalRun::disconnected));
        m_look_again.start();
        return;
    }
    if (const std::string why = not_a_pedal(m_fd); !why.empty()) {
        // Nothing to wait for: it will not turn into a pedal. Said once, in
        // the window and on the standard error, without a question that
        // would hold up every other command.
        ::close(m_fd);
        m_fd = -1;
        m_session.show_device_state(translated(PedalRun::not_input_device));
        if (m_told_unusable != m_path) {
            m_told_unusable = m_path;
            std::fprintf(stderr, "cuedeck: the foot pedal %s is not used: %s\n", m_path.c_str(),
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
            {m_path}));
    }
    m_reader = {};
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &FootPedal::readable);
    m_run.opened();
}

void FootPedal::close()
{
    let_go();
}

void FootPedal::let_go()
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

void FootPedal::set_reading(bool reading)
{
    if (m_notifier)
        m_notifier->setEnabled(reading);
}

void FootPedal::set_repeating(bool repeating)
{
    if (repeating)
        m_repeat.start();
    else
        m_repeat.stop();
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
            m_run.changed(button.code, button.down);
        return;
    }
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // The end of the stream, or the device is gone (ENODEV).
    unplugged();
}

void FootPedal::read_button_state()
{
    unsigned char down[KEY_MAX / 8 + 1] = {};
    if (::ioctl(m_fd, EVIOCGKEY(sizeof down), down) < 0)
        return;
    if (const auto codes = m_run.buttons()) {
        for (const int code : *codes) {
            if (code <= KEY_MAX)
                m_run.changed(code, (down[code / 8] & (1 << (code % 8))) != 0);
        }
    }
}

void FootPedal::unplugged()
{
    close();
    m_run.unplugged();
    m_look_again.start();
}

} // namespace cuedeck

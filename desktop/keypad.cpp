#include "desktop/keypad.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "base/translation.h"
#include "system/input_devices.h"

namespace cuedeck {

namespace {

/// The rule file the package's own keypad rule asks the user to write.
constexpr const char* user_rule_file = "/etc/udev/rules.d/70-cuedeck-keypad.rules";

/// What the user is told when the device may not be read: which device,
/// and the line that gives access to this model.
std::string permission_message(const std::string& path)
{
    const auto device = input_device_at(path, input_devices());
    std::string vendor = "VVVV", product = "PPPP";
    if (device && device->vendor.size() == 9) {
        vendor = device->vendor.substr(0, 4);
        product = device->vendor.substr(5);
    }
    return translated(UI_TEXT("Cannot read the keypad %1: permission denied.\nTo give yourself "
                              "access, put this line into %2 (as root), then unplug the keypad "
                              "and plug it in again:\n%3"),
                      {path, user_rule_file,
                       "SUBSYSTEM==\"input\", ATTRS{idVendor}==\"" + vendor +
                           "\", ATTRS{idProduct}==\"" + product + "\", TAG+=\"uaccess\""});
}

/// Why the file open as `fd` cannot be a keypad; empty when it may be.
std::string not_a_keypad(int fd)
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

Keypad::Keypad(SessionPort& session, QObject* parent) : QObject(parent), m_session(session)
{
    m_look_again.setSingleShot(true);
    m_look_again.setInterval(look_again_ms);
    connect(&m_look_again, &QTimer::timeout, this, &Keypad::open_again);
    m_run.start();
}

Keypad::~Keypad()
{
    let_go();
}

void Keypad::open(const std::string& path)
{
    close();
    m_path = path;
    open_again();
}

void Keypad::open_again()
{
    if (m_path.empty())
        return;
    m_fd = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        if (errno == EACCES && !m_told_permission) {
            m_told_permission = true;
            m_session.tell(permission_message(m_path));
        }
        m_run.show_state(translated(KeypadRun::disconnected));
        m_look_again.start();
        return;
    }
    if (const std::string why = not_a_keypad(m_fd); !why.empty()) {
        // It will not turn into a keypad: said once, without a question that
        // would hold up every other command.
        ::close(m_fd);
        m_fd = -1;
        m_run.show_state(translated(KeypadRun::not_input_device));
        if (m_told_unusable != m_path) {
            m_told_unusable = m_path;
            std::fprintf(stderr, "cuedeck: the keypad %s is not used: %s\n", m_path.c_str(),
                         why.c_str());
        }
        return;
    }
    // Ours alone while we run, so that its keys type nothing elsewhere.
    if (::ioctl(m_fd, EVIOCGRAB, 1) != 0 && errno == EBUSY && !m_told_taken) {
        m_told_taken = true;
        m_session.tell(translated(
            UI_TEXT("Another program holds the keypad %1: its keys act there too."), {m_path}));
    }
    m_reader = {};
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &Keypad::readable);
    m_run.opened();
}

void Keypad::close()
{
    let_go();
}

void Keypad::let_go()
{
    m_look_again.stop();
    m_notifier.reset();
    if (m_fd >= 0) {
        ::ioctl(m_fd, EVIOCGRAB, 0);
        ::close(m_fd);
        m_fd = -1;
    }
}

void Keypad::set_reading(bool reading)
{
    if (m_notifier)
        m_notifier->setEnabled(reading);
}

void Keypad::readable()
{
    // One bounded read a turn of the event loop, and none while its commands
    // wait: a device that floods cannot hold up the window, and a held key's
    // repeats wait in the device, not in our queue.
    char buffer[read_records * input_event::size];
    const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
    if (count > 0) {
        bool dropped = false;
        const auto records = key_records(m_reader.feed({buffer, std::size_t(count)}), dropped);
        if (dropped)
            read_key_state();
        for (const KeyRecord& record : records)
            m_run.key(record.code, record.state);
        return;
    }
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // The end of the stream, or the device is gone (ENODEV).
    unplugged();
}

void Keypad::read_key_state()
{
    unsigned char down[KEY_MAX / 8 + 1] = {};
    if (::ioctl(m_fd, EVIOCGKEY(sizeof down), down) < 0)
        return;
    for (const int code : m_run.codes()) {
        if (code <= KEY_MAX)
            m_run.key(code,
                      (down[code / 8] & (1 << (code % 8))) != 0 ? KeyRecord::Down : KeyRecord::Up);
    }
}

void Keypad::unplugged()
{
    close();
    m_run.unplugged();
    m_look_again.start();
}

} // namespace cuedeck

#include "desktop/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>

#include <cerrno>

namespace cuedeck {

namespace {

constexpr int watched[] = {SIGTERM, SIGINT, SIGHUP};

// One pipe for the process: [0] read by the event loop, [1] written by the handler.
int signal_pipe[2] = {-1, -1};

extern "C" void note_signal(int signal_number)
{
    const int saved_errno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal_number);
    [[maybe_unused]] const ssize_t written = ::write(signal_pipe[1], &byte, 1);
    errno = saved_errno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (signal_pipe[0] < 0 && ::pipe2(signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::drain);
    struct sigaction action
    {
    };
    action.sa_handler = note_signal;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal_number : watched)
        ::sigaction(signal_number, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    // Back to the default: a signal after the window is gone ends the process.
    for (const int signal_number : watched)
        ::signal(signal_number, SIG_DFL);
}

void TerminationSignals::drain()
{
    unsigned char byte = 0;
    while (::read(signal_pipe[0], &byte, 1) == 1)
        emit received(byte);
}

} // namespace cuedeck

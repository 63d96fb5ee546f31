#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

#include "control/session/session.h"
#include "support/deadline.h"

namespace cuedeck::testing {

/// Work a session hands on runs at the test's event loop's next turn, as in
/// the program.
inline Session::Poster event_loop_poster()
{
    return [](std::function<void()> work) {
        QTimer::singleShot(0, QCoreApplication::instance(), std::move(work));
    };
}

/// Run the event loop until `done` holds; false once the tests' deadline passed.
template <typename Done> bool served_until(Done done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > test_deadline_ms())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

} // namespace cuedeck::testing

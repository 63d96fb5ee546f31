#pragma once

#include <QCoreApplication>
#include <QTimer>

#include <functional>

#include "control/session/session.h"

namespace cuedeck::testing {

/// Work a session hands on runs at the test's event loop's next turn, as in
/// the program.
inline Session::Poster event_loop_poster()
{
    return [](std::function<void()> work) {
        QTimer::singleShot(0, QCoreApplication::instance(), std::move(work));
    };
}

} // namespace cuedeck::testing

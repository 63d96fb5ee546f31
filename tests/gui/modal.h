#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace cuedeck::testing {

/// Run `handle` on the next modal window to open (a message box, a chooser,
/// a dialog) once it is up, so that a test can answer it. A window the
/// handler left open (a failed check returns early) is closed, so that a
/// failing test fails instead of hanging. Gives up after about five seconds.
inline void when_modal(std::function<void(QWidget*)> handle, QWidget* previous = nullptr,
                       int tries = 500)
{
    QTimer::singleShot(10, qApp, [handle = std::move(handle), previous, tries]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != previous && modal->isVisible()) {
            QPointer<QWidget> guard(modal);
            handle(modal);
            if (guard && guard->isVisible())
                guard->close();
            return;
        }
        if (tries > 0)
            when_modal(std::move(handle), previous, tries - 1);
    });
}

} // namespace cuedeck::testing

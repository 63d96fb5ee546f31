// Cuedeck: a tape group remote for a media player.
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/text_lines.h"
#include "control/commands/program_options.h"
#include "control/session/session.h"
#include "desktop/foot_pedal.h"
#include "desktop/global_keys.h"
#include "desktop/keypad.h"
#include "desktop/media_interface.h"
#include "desktop/single_instance.h"
#include "desktop/termination_signals.h"
#include "player/mpv/mpv_backend.h"
#include "player/mpv/socket_location.h"
#include "system/posix_system.h"
#include "system/recognitions.h"
#include "system/waveforms.h"
#include "ui/main_window.h"
#include "ui/translations.h"

namespace {

/// Whether there is a screen to show the window on.
bool has_display()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

/// The session bus the desktop gave the program, or none: D-Bus would
/// otherwise start a bus of its own on an X display (autolaunch), which
/// outlives the program, and the program would never say it has none.
void keep_to_the_desktop_bus()
{
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address != nullptr && *address != '\0')
        return;
    // Where a systemd user session keeps it; D-Bus looks there by itself.
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime) {
        struct stat info
        {
        };
        if (::stat((std::string(runtime) + "/bus").c_str(), &info) == 0 && S_ISSOCK(info.st_mode))
            return;
    }
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

/// The file named on the command line, absolute, for a running copy; its
/// words joined by blanks, as the program reads its own command line.
QString handed_file(const std::vector<std::string>& arguments)
{
    const std::string file = cuedeck::joined_words(arguments, 1);
    return file.empty() ? QString() : QFileInfo(QFile::decodeName(file.c_str())).absoluteFilePath();
}

} // namespace

int main(int argc, char** argv)
{
    // The command line as the process got it, before Qt takes its own options out.
    const std::vector<std::string> arguments(argv, argv + argc);
    const cuedeck::ProgramRequest request = cuedeck::program_request(arguments);
    const auto send = [&](const cuedeck::RequestLine& line, std::string& reason) {
        QCoreApplication application(argc, argv);
        QString why;
        const auto delivery = cuedeck::SingleInstance::send_request(
            QString::fromStdString(cuedeck::private_runtime_folder().path), line, why);
        reason = why.toLocal8Bit().toStdString();
        return delivery;
    };
    const cuedeck::ProgramOutput output{
        [](const std::string& text) { std::fputs(text.c_str(), stdout); },
        [](const std::string& line) { std::fprintf(stderr, "cuedeck: %s\n", line.c_str()); }};
    if (const auto status = cuedeck::answer_without_window(request, send, output))
        return *status;

    if (!has_display()) {
        std::fprintf(stderr, "cuedeck: no display to open the window on (DISPLAY and "
                             "WAYLAND_DISPLAY are not set)\n");
        return 1;
    }
    keep_to_the_desktop_bus();
    QApplication application(argc, argv);
    // The desktop's language, for every text from here on.
    cuedeck::use_user_language(application);

    // One copy per user: a second start hands its file to the running one.
    cuedeck::SingleInstance instance(
        QString::fromStdString(cuedeck::private_runtime_folder().path));
    const QString file = handed_file(arguments);
    QString reason;
    switch (instance.claim(file, reason)) {
    case cuedeck::SingleInstance::Role::HandedOver:
        return 0;
    case cuedeck::SingleInstance::Role::NotHandedOver:
        std::fprintf(stderr, "cuedeck: %s was not handed to the running Cuedeck: %s\n",
                     file.isEmpty() ? "the request to show its window"
                                    : QFile::encodeName(file).constData(),
                     reason.toLocal8Bit().constData());
        return 1;
    case cuedeck::SingleInstance::Role::First:
    case cuedeck::SingleInstance::Role::Alone:
        break;
    }

    cuedeck::PosixSystem system(arguments);
    cuedeck::MpvBackend player(cuedeck::default_mpv_location());
    // The tips' waveforms, decoded by the helper program and cached.
    const auto waveforms =
        cuedeck::decoded_waveforms(cuedeck::waveform_cache_folder(), cuedeck::helper_program());
    // The run: every request from outside the window waits its turn in the
    // event loop, never inside a socket's, a device's or the bus's handler.
    cuedeck::Session session(player, system, [&application](std::function<void()> work) {
        QTimer::singleShot(0, &application, std::move(work));
    });
    session.controller().use_waveforms(waveforms.get());
    // Make Draft's recognizers, run by the same helper at a lower priority.
    const auto recognizers = cuedeck::helper_recognizers(cuedeck::helper_program());
    session.controller().use_recognizers(recognizers.get());
    cuedeck::MainWindow window(session);
    // kill, Ctrl+C or a closed terminal end the run as the close box does.
    cuedeck::TerminationSignals termination;
    // Queued: the run ends from the event loop, not from inside the pipe's reading.
    QObject::connect(
        &termination, &cuedeck::TerminationSignals::received, &window, [&session, &window] {
            session.later([&window] { window.end_run(cuedeck::Attendance::Unattended); });
        });
    QObject::connect(&instance, &cuedeck::SingleInstance::fileArrived, &window,
                     &cuedeck::MainWindow::open_handed_file);
    instance.set_session(session);
    // Media keys, the sound menu and other programs' remotes, by D-Bus.
    cuedeck::MediaInterface media(session);
    media.connect_to_session_bus();
    window.start();
    if (window.ended())
        return 0; // ended by a signal during a question of the start-up
    // F4 to F12 wherever the focus is, when the settings ask for them.
    cuedeck::GlobalKeysSwitch global_keys(session, cuedeck::desktop_key_grab(nullptr));
    // A foot pedal read straight from its device, when the settings name one.
    cuedeck::FootPedal pedal(session);
    // A keypad beside it or instead, read the same way.
    cuedeck::Keypad keypad(session);
    window.show();
    window.return_focus();
    return application.exec();
}

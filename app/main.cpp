// Cuedeck: a tape group remote for a media player.
#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "player/mpv/mpv_backend.h"
#include "player/mpv/socket_location.h"
#include "system/posix_system.h"
#include "ui/main_window.h"
#include "ui/single_instance.h"
#include "ui/termination_signals.h"

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

/// The file named on the command line, absolute, for a running copy; its
/// words joined by blanks, as the program reads its own command line.
QString handed_file(const std::vector<std::string>& arguments)
{
    std::string file;
    for (std::size_t i = 1; i < arguments.size(); ++i)
        file += (i > 1 ? " " : "") + arguments[i];
    return file.empty() ? QString() : QFileInfo(QFile::decodeName(file.c_str())).absoluteFilePath();
}

} // namespace

int main(int argc, char** argv)
{
    if (!has_display()) {
        std::fprintf(stderr, "cuedeck: no display to open the window on (DISPLAY and "
                             "WAYLAND_DISPLAY are not set)\n");
        return 1;
    }
    // The command line as the process got it, before Qt takes its own options out.
    const std::vector<std::string> arguments(argv, argv + argc);

    QApplication application(argc, argv);

    // One copy per user: a second start hands its file to the running one.
    cuedeck::SingleInstance instance(
        QString::fromStdString(cuedeck::private_runtime_folder().path));
    if (instance.claim(handed_file(arguments)) == cuedeck::SingleInstance::Role::HandedOver)
        return 0;

    cuedeck::PosixSystem system(arguments);
    cuedeck::MpvBackend player(cuedeck::default_mpv_location());
    cuedeck::MainWindow window(player, system);
    // kill, Ctrl+C or a closed terminal end the run as the close box does.
    cuedeck::TerminationSignals termination;
    QObject::connect(&termination, &cuedeck::TerminationSignals::received, &window,
                     [&window] { window.end_run(cuedeck::Attendance::Unattended); });
    QObject::connect(&instance, &cuedeck::SingleInstance::fileArrived, &window,
                     &cuedeck::MainWindow::open_handed_file);
    window.start();
    if (window.ended())
        return 0; // ended by a signal during a question of the start-up
    window.show();
    window.return_focus();
    return application.exec();
}

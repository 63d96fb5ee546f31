// Cuedeck: a tape group remote for a media player.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "player/mpv/mpv_backend.h"
#include "system/posix_system.h"
#include "ui/main_window.h"

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
    cuedeck::PosixSystem system(arguments);
    cuedeck::MpvBackend player(cuedeck::default_mpv_location());
    cuedeck::MainWindow window(player, system);
    window.start();
    window.show();
    window.return_focus();
    return application.exec();
}

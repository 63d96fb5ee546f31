// Writes the program's pictures as PNG files: the icon for the desktop, and
// a screenshot of the main window on a made-up tape group (for the README).
// Runs on any Qt platform, the offscreen one included.
#include <QApplication>
#include <QPixmap>

#include <cstdio>
#include <cstring>

#include "player/fake_player_backend.h"
#include "system/posix_system.h"
#include "ui/main_window.h"
#include "ui/pictures.h"

namespace {

bool write_screenshot(const char* path)
{
    cuedeck::FakePlayerBackend player;
    player.model = {3, 12, 4, 83000, 185, 50, "5. Interview with the harbour master - mpv", ""};
    cuedeck::PosixSystem system({"cuedeck"});
    cuedeck::MainWindow window(player, system);
    auto& controller = window.controller();
    controller.connect_player();
    controller.state().playlist_path = "/home/ann/Tape Groups/Harbour 1974.m3u";
    controller.view().set_field_text(cuedeck::FieldId::Playlist, controller.state().playlist_path);
    controller.state().zero_mark = 61000;
    controller.state().tip_seconds_left = 262;
    controller.refresh();
    window.set_title("Cuedeck - /home/ann/Tape Groups/Harbour 1974.grp");
    window.show();
    return window.grab().save(path, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s icon|screenshot FILE.png\n", argv[0]);
        return 2;
    }
    const bool written = std::strcmp(argv[1], "icon") == 0
                             ? cuedeck::application_icon().pixmap(128, 128).save(argv[2], "PNG")
                             : write_screenshot(argv[2]);
    if (!written)
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return written ? 0 : 1;
}

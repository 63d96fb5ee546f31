// Cuedeck for Windows: a tape group remote for Winamp.
#include <windows.h>

#include "player/winamp/winamp_backend.h"
#include "system/windows_system.h"
#include "ui/win32/main_dialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    cuedeck::WindowsSystem system;
    cuedeck::WinampBackend player;
    cuedeck::MainDialog window(instance, player, system);
    window.run();
    // The process lives exactly as long as the window.
    return 0;
}

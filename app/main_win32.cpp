// Cuedeck for Windows: a tape group remote for Winamp.
#include <windows.h>

#include <functional>

#include "player/winamp/winamp_backend.h"
#include "system/windows_system.h"
#include "ui/win32/main_dialog.h"
#include "ui/win32/translation_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The user's interface language, for every text from here on.
    cuedeck::use_windows_language();
    cuedeck::WindowsSystem system;
    cuedeck::WinampBackend player;
    // The run; work from outside the window waits for the window's message loop.
    cuedeck::MainDialog* shown = nullptr;
    cuedeck::Session session(player, system, [&shown](std::function<void()> work) {
        if (shown != nullptr)
            shown->later(std::move(work));
    });
    cuedeck::MainDialog window(instance, session);
    shown = &window;
    window.run();
    // The process lives exactly as long as the window.
    return 0;
}

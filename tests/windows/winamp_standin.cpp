// A stand-in for the Windows player: a window of its class that answers the
// player's messages from the same scripted model as the tests' fake player,
// writes every message it receives to a log file, one a line, and exits on
// WM_CLOSE. WM_APP makes it hang for wParam milliseconds, as a busy player does.
//
//     winamp_standin LOG PLAY_STATE LENGTH INDEX POSITION_MS TRACK_S CAPTION
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "player/winamp/winamp_backend.h"
#include "support/fake_player_backend.h"

namespace {

cuedeck::FakePlayerBackend player;
std::FILE* log_file = nullptr;

void write_log(const std::string& event)
{
    std::fprintf(log_file, "%s\n", event.c_str());
    std::fflush(log_file);
}

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_COMMAND:
        player.command(static_cast<cuedeck::PlayerCommand>(LOWORD(wparam)));
        return 0;
    case WM_USER:
        return player
            .request(static_cast<cuedeck::PlayerRequest>(lparam),
                     static_cast<int>(static_cast<INT_PTR>(wparam)))
            .value_or(0);
    case WM_APP:
        Sleep(static_cast<DWORD>(wparam));
        return 0;
    case WM_CLOSE:
        write_log("close");
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wparam, lparam);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 8)
        return 2;
    log_file = std::fopen(argv[1], "w");
    if (log_file == nullptr)
        return 2;
    player.model = {std::atoi(argv[2]),
                    std::atoi(argv[3]),
                    std::atoi(argv[4]),
                    std::atoi(argv[5]),
                    std::atoi(argv[6]),
                    50,
                    argv[7],
                    ""};
    player.find(); // the fake answers only once found
    player.on_event = write_log;

    WNDCLASSA window_class{};
    window_class.lpfnWndProc = window_procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = cuedeck::WinampBackend::window_class;
    if (RegisterClassA(&window_class) == 0)
        return 3;
    if (CreateWindowA(cuedeck::WinampBackend::window_class, argv[7], WS_OVERLAPPEDWINDOW, 0, 0, 200,
                      100, nullptr, nullptr, window_class.hInstance, nullptr) == nullptr)
        return 3;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    std::fclose(log_file);
    return 0;
}

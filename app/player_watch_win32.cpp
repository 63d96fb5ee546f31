// The watcher Cuedeck for Windows starts beside the player it starts:
//
//     cuedeck-watch CUEDECK_PID PLAYER_PID
//
// It waits for either process to end. When Cuedeck ends first, however it
// ended (closed, killed, crashed), the player's window is asked to close as
// its close box asks it, so that the player keeps what it keeps at its own
// close; its process is never ended. A player whose window is not up yet
// is waited for as long as it runs. A player Cuedeck did not start is not
// watched, so never touched.
#include <windows.h>

#include <shellapi.h>

#include <cstring>
#include <cwchar>

#include "player/winamp/winamp_backend.h"

namespace {

struct Search
{
    DWORD process;
    HWND found;
};

BOOL CALLBACK look_at(HWND window, LPARAM search_address)
{
    auto* search = reinterpret_cast<Search*>(search_address);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64] = {};
    if (process == search->process && GetClassNameA(window, name, sizeof name) > 0 &&
        std::strcmp(name, cuedeck::WinampBackend::window_class) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

/// The process of the given number, to wait on; null when it is gone.
HANDLE process_of(const wchar_t* number)
{
    wchar_t* end = nullptr;
    const unsigned long id = std::wcstoul(number, &end, 10);
    if (end == number || *end != L'\0' || id == 0)
        return nullptr;
    return OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr || count != 3)
        return 2;
    const HANDLE watched[] = {process_of(words[1]), process_of(words[2])};
    Search search{static_cast<DWORD>(std::wcstoul(words[2], nullptr, 10)), nullptr};
    LocalFree(words);
    if (watched[0] == nullptr || watched[1] == nullptr)
        return 2;
    // The first to end decides: the player alone needs nothing.
    if (WaitForMultipleObjects(2, watched, FALSE, INFINITE) != WAIT_OBJECT_0)
        return 0;
    constexpr DWORD window_look_ms = 100;
    do {
        EnumWindows(look_at, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            PostMessageA(search.found, WM_CLOSE, 0, 0);
            return 0;
        }
    } while (WaitForSingleObject(watched[1], window_look_ms) == WAIT_TIMEOUT);
    return 0;
}

// A stand-in for the Windows player: a window of its class that answers the
// player's messages from the same scripted model as the tests' fake player,
// writes every message it receives to a log file, one a line, and exits on
// WM_CLOSE. WM_APP makes it hang for wParam milliseconds, as a busy player does.
//
//     winamp_standin LOG PLAY_STATE LENGTH INDEX POSITION_MS TRACK_S CAPTION [--moving]
//
// --moving: while it plays, its place moves on in real time, and each jump
// is logged with the place it came from ("from 12345").
//
// Copied to where the player's program is and started with a file, as
// Cuedeck hands the player a playlist, it hands the file's name (UTF-8) to
// the running stand-in, which takes it as the player does (a list of
// LENGTH tips, playing) and logs "hand_over FILE"; then it ends. It is a
// program of the window subsystem, so that its starter waits until it has
// handed the file on, as it waits for the player. Where no stand-in runs,
// it is the player itself, as the player is, with the file taken:
//
//     winamp.exe FILE
//
// As a foot pedal: it makes the named pipe PIPE, waits for a reader, and
// writes each REPORT (the pedals down: 1 left, 2 middle, 4 right, added up)
// as the VEC pedal's three bytes, 700 ms apart; then it ends.
//
//     winamp_standin --pedal PIPE REPORT...
//
// As a keypad: it writes the raw input name of the keyboard that carries
// what it types into FILE, or types each key by its make code (a negative
// one: its release).
//
//     winamp_standin --keyboard FILE
//     winamp_standin --keys CODE...
//
// Started with no arguments, as Cuedeck starts a player, it logs to
// started.log beside itself (added to it, "up" once its window is made).
// With CUEDECK_STANDIN_WINDOW_AFTER_MS set, it makes its window only that
// long after its start, as a player that takes a while to come up. Or it
// makes the running stand-in hang for MS milliseconds:
//
//     winamp_standin --hang MS
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "player/winamp/winamp_backend.h"
#include "support/fake_player_backend.h"

namespace {

cuedeck::FakePlayerBackend player;
/// How many tips a list handed over has.
int list_length = 0;
/// WM_COPYDATA's mark of a hand-over.
constexpr ULONG_PTR hand_over_data = 1;
std::FILE* log_file = nullptr;
/// Whether its place moves on in real time while it plays (--moving).
bool moving = false;
ULONGLONG moved_at = 0;

/// The place where playing has taken it since the last look.
void move_on()
{
    const ULONGLONG now = GetTickCount64();
    if (moving && player.model.play_state == 1)
        player.model.position_ms += static_cast<int>(now - moved_at);
    moved_at = now;
}

void write_log(const std::string& event)
{
    std::fprintf(log_file, "%s\n", event.c_str());
    std::fflush(log_file);
}

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_COMMAND:
        move_on();
        player.command(static_cast<cuedeck::PlayerCommand>(LOWORD(wparam)));
        return 0;
    case WM_USER:
        move_on();
        if (moving && static_cast<cuedeck::PlayerRequest>(lparam) == cuedeck::PlayerRequest::JumpTo)
            write_log("from " + std::to_string(player.model.position_ms));
        return player
            .request(static_cast<cuedeck::PlayerRequest>(lparam),
                     static_cast<int>(static_cast<INT_PTR>(wparam)))
            .value_or(0);
    case WM_APP:
        Sleep(static_cast<DWORD>(wparam));
        return 0;
    case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
        if (data->dwData != hand_over_data)
            return FALSE;
        const std::string path(static_cast<const char*>(data->lpData), data->cbData);
        player.list_lengths[path] = list_length;
        player.hand_over(path);
        return TRUE;
    }
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

/// The hand-over: the file named, as Windows gave it, to the running stand-in.
int hand_over(const std::string& name)
{
    HWND running = FindWindowA(cuedeck::WinampBackend::window_class, nullptr);
    if (running == nullptr)
        return 2;
    COPYDATASTRUCT data{hand_over_data, static_cast<DWORD>(name.size()),
                        const_cast<char*>(name.data())};
    SendMessageA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    // Idle only now, as the player's second start is once it has passed the
    // file on: the program that started it waits for that.
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    return 0;
}

/// The foot pedal's reports through a pipe, as the program reads a device.
int pedal(const char* name, char** reports, int count)
{
    HANDLE pipe = CreateNamedPipeA(name, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 64,
                                   64, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE)
        return 2;
    if (!ConnectNamedPipe(pipe, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED)
        return 3;
    for (int i = 0; i < count; ++i) {
        Sleep(700);
        const char report[] = {0, static_cast<char>(std::atoi(reports[i])), 0};
        DWORD written = 0;
        if (!WriteFile(pipe, report, sizeof report, &written, nullptr))
            return 3;
    }
    Sleep(1000);
    CloseHandle(pipe);
    return 0;
}

/// The keyboard that carries what SendInput types, by its raw input name.
int keyboard(const char* file)
{
    UINT count = 0;
    GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST));
    std::vector<RAWINPUTDEVICELIST> devices(count);
    GetRawInputDeviceList(devices.data(), &count, sizeof(RAWINPUTDEVICELIST));
    for (const RAWINPUTDEVICELIST& device : devices) {
        char name[512] = {};
        UINT length = sizeof name;
        if (device.dwType != RIM_TYPEKEYBOARD ||
            GetRawInputDeviceInfoA(device.hDevice, RIDI_DEVICENAME, name, &length) == UINT(-1))
            continue;
        FILE* out = std::fopen(file, "wb");
        if (out == nullptr)
            return 3;
        std::fputs(name, out);
        return std::fclose(out) == 0 ? 0 : 3;
    }
    return 2;
}

/// Keys typed by their make codes: down, or up when negative.
int keys(char** codes, int count)
{
    for (int i = 0; i < count; ++i) {
        const int code = std::atoi(codes[i]);
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<WORD>(code < 0 ? -code : code);
        input.ki.dwFlags = KEYEVENTF_SCANCODE | (code < 0 ? KEYEVENTF_KEYUP : 0);
        if (SendInput(1, &input, sizeof input) != 1)
            return 2;
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--hang") {
        HWND running = FindWindowA(cuedeck::WinampBackend::window_class, nullptr);
        return running != nullptr &&
                       SendNotifyMessageA(running, WM_APP, std::strtoul(argv[2], nullptr, 10), 0)
                   ? 0
                   : 2;
    }
    if (argc >= 3 && std::string(argv[1]) == "--pedal")
        return pedal(argv[2], argv + 3, argc - 3);
    if (argc == 3 && std::string(argv[1]) == "--keyboard")
        return keyboard(argv[2]);
    if (argc >= 2 && std::string(argv[1]) == "--keys")
        return keys(argv + 2, argc - 2);
    // A file goes to the stand-in that runs; where none runs, this one
    // is the player, with the file taken.
    std::string handed;
    if (argc == 2) {
        int count = 0;
        LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
        char name[4096] = {};
        if (count != 2 ||
            WideCharToMultiByte(CP_UTF8, 0, words[1], -1, name, sizeof name, nullptr, nullptr) <= 1)
            return 2;
        handed = name;
        if (hand_over(handed) == 0)
            return 0;
    }
    // Started bare, as Cuedeck starts the player it does not find: a list of
    // three, logged to started.log beside the program.
    char started_log[MAX_PATH] = {};
    char* bare[] = {argv[0],
                    started_log,
                    const_cast<char*>("3"),
                    const_cast<char*>("3"),
                    const_cast<char*>("0"),
                    const_cast<char*>("0"),
                    const_cast<char*>("30"),
                    const_cast<char*>("1. test - Winamp")};
    if (argc <= 2) {
        const DWORD length = GetModuleFileNameA(nullptr, started_log, MAX_PATH - 12);
        std::string folder(started_log, length);
        folder.erase(folder.find_last_of("\\/") + 1);
        std::snprintf(started_log, sizeof started_log, "%sstarted.log", folder.c_str());
        argv = bare;
        argc = 8;
    }
    if (argc < 8)
        return 2;
    log_file = std::fopen(argv[1], argv == bare ? "a" : "w");
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
    list_length = player.model.playlist_length;
    moving = argc >= 9 && std::string(argv[8]) == "--moving";
    moved_at = GetTickCount64();
    player.find(); // the fake answers only once found
    player.on_event = write_log;

    WNDCLASSA window_class{};
    window_class.lpfnWndProc = window_procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = cuedeck::WinampBackend::window_class;
    if (RegisterClassA(&window_class) == 0)
        return 3;
    if (const char* after = std::getenv("CUEDECK_STANDIN_WINDOW_AFTER_MS"))
        Sleep(static_cast<DWORD>(std::strtoul(after, nullptr, 10)));
    if (CreateWindowA(cuedeck::WinampBackend::window_class, argv[7], WS_OVERLAPPEDWINDOW, 0, 0, 200,
                      100, nullptr, nullptr, window_class.hInstance, nullptr) == nullptr)
        return 3;
    if (argv == bare)
        write_log("up");
    if (!handed.empty()) {
        player.list_lengths[handed] = list_length;
        player.hand_over(handed);
    }
    // Its window can be found now: a test that starts Cuedeck beside it
    // waits for this file, apart from the log the scenarios compare.
    if (std::FILE* ready = std::fopen((std::string(argv[1]) + ".ready").c_str(), "w"))
        std::fclose(ready);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    std::fclose(log_file);
    return 0;
}

#include "player/winamp/winamp_backend.h"

#include "base/wide_text.h"

#include <string>

namespace cuedeck {

WinampBackend::~WinampBackend()
{
    // The watcher runs on: it is there for our end.
    forget_watch();
    if (m_started != nullptr)
        CloseHandle(m_started);
}

bool WinampBackend::find()
{
    m_window = FindWindowA(window_class, nullptr);
    m_unresponsive = false;
    if (m_window != nullptr && m_started != nullptr) {
        // The player that answers after our start is the one driven, and
        // so the one closed once we are gone, whichever process it is.
        DWORD player = 0;
        GetWindowThreadProcessId(m_window, &player);
        watch(player);
        CloseHandle(m_started);
        m_started = nullptr;
    }
    return m_window != nullptr;
}

std::optional<LRESULT> WinampBackend::send(UINT message, WPARAM wparam, LPARAM lparam)
{
    if (m_unresponsive)
        return std::nullopt;
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(m_window, message, wparam, lparam, SMTO_NORMAL, reply_budget_ms,
                            &result) != 0)
        return static_cast<LRESULT>(result);
    // Timed out (or hung): wait for the player to work through its queue up
    // to a probe sent now, instead of waiting again on every request.
    m_unresponsive = true;
    if (SendMessageCallbackA(m_window, WM_NULL, 0, 0, &WinampBackend::answered,
                             reinterpret_cast<ULONG_PTR>(this)) == 0)
        m_unresponsive = false; // no probe could be sent: try the next message as usual
    return std::nullopt;
}

void CALLBACK WinampBackend::answered(HWND, UINT, ULONG_PTR self, LRESULT)
{
    reinterpret_cast<WinampBackend*>(self)->m_unresponsive = false;
}

bool WinampBackend::answers_now()
{
    // Asked even when it answered a moment ago: a command sent to a player
    // that hangs now would be lost, while one that waits for it is carried
    // out once it answers (or refused).
    return send(WM_NULL, 0, 0).has_value();
}

namespace {

/// Start `command` (its program quoted first) with no handles of ours; its
/// process, or null.
HANDLE start_program(std::wstring command, WORD show)
{
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESHOWWINDOW;
    start.wShowWindow = show;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &start, &started))
        return nullptr;
    CloseHandle(started.hThread);
    return started.hProcess;
}

/// The watcher beside the program; empty where there is none (a test
/// program of its own).
std::wstring watcher_program()
{
    wchar_t ours[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, ours, MAX_PATH + 1);
    const std::wstring path(ours, length <= MAX_PATH ? length : 0);
    const std::size_t folder_end = path.find_last_of(L"\\/");
    if (folder_end == std::wstring::npos)
        return {};
    std::wstring watcher =
        path.substr(0, folder_end + 1) + wide_from_utf8(CUEDECK_PLAYER_WATCH_NAME ".exe");
    return GetFileAttributesW(watcher.c_str()) != INVALID_FILE_ATTRIBUTES ? watcher
                                                                          : std::wstring();
}

/// A watcher that closes the player of process `player` once we are gone;
/// null when none could be started.
HANDLE start_watcher(const std::wstring& watcher, DWORD player)
{
    if (watcher.empty())
        return nullptr;
    return start_program(L"\"" + watcher + L"\" " + std::to_wstring(GetCurrentProcessId()) + L" " +
                             std::to_wstring(player),
                         static_cast<WORD>(SW_HIDE));
}

} // namespace

bool WinampBackend::start()
{
    const HANDLE player =
        start_program(L"\"" + wide_from_utf8(program) + L"\"", static_cast<WORD>(SW_SHOW));
    if (player == nullptr)
        return false;
    if (m_started != nullptr)
        CloseHandle(m_started);
    m_started = player;
    // A player we started ends with us, however we end. Watched from its
    // start, so that one whose window comes up later is closed too; once a
    // window is found, its process is watched (find()). Without the
    // watcher (a test program of its own) it is closed only at our own close.
    watch(GetProcessId(player));
    return true;
}

void WinampBackend::watch(DWORD player)
{
    if (player == m_watched_id && m_watcher != nullptr)
        return;
    const std::wstring watcher = watcher_program();
    if (watcher.empty())
        return;
    // An earlier watcher runs on: it only ever closes the window of its own
    // player, which is a stray of ours if it has one.
    forget_watch();
    m_watched = OpenProcess(SYNCHRONIZE, FALSE, player);
    m_watched_id = player;
    m_watcher = start_watcher(watcher, player);
    m_watch_lost = m_watcher == nullptr;
}

void WinampBackend::forget_watch()
{
    for (HANDLE* process : {&m_watched, &m_watcher}) {
        if (*process != nullptr)
            CloseHandle(*process);
        *process = nullptr;
    }
    m_watched_id = 0;
    m_watch_lost = false;
}

std::string WinampBackend::look_after()
{
    const bool player_runs =
        m_watched != nullptr && WaitForSingleObject(m_watched, 0) == WAIT_TIMEOUT;
    if (!player_runs) {
        forget_watch(); // its player has ended: nothing left to guard
        return {};
    }
    // A watcher ends by itself only after its player: one that ended while
    // the player runs was ended from outside. Another takes its place.
    if (m_watcher != nullptr && WaitForSingleObject(m_watcher, 0) == WAIT_OBJECT_0) {
        CloseHandle(m_watcher);
        m_watcher = nullptr;
    }
    if (m_watcher == nullptr) {
        m_watcher = start_watcher(watcher_program(), m_watched_id);
        m_watch_lost = m_watcher == nullptr;
    }
    if (!m_watch_lost)
        return {};
    return translated(
        UI_TEXT("Nothing watches %1 now: should Cuedeck end unexpectedly, %1 stays open"),
        {name()});
}

void WinampBackend::command(PlayerCommand command)
{
    send(WM_COMMAND, static_cast<WPARAM>(command), 0);
}

std::optional<int> WinampBackend::request(PlayerRequest request, int wparam)
{
    if (const auto answer =
            send(WM_USER, static_cast<WPARAM>(wparam), static_cast<LPARAM>(request)))
        return static_cast<int>(*answer);
    return std::nullopt;
}

std::string WinampBackend::caption()
{
    // Read wide, so that a long caption is never cut inside a character.
    wchar_t buffer[129] = {};
    GetWindowTextW(m_window, buffer, 129);
    return utf8_from_wide(buffer);
}

bool WinampBackend::hand_over(const std::string& path)
{
    // The program started with a file passes it to the player whose window
    // it finds; where it finds none it would be a second player beside one
    // still on its way.
    if (!alive())
        return false;
    const std::string command = std::string("\"") + program + "\" \"" + path + "\"";
    return WinExec(command.c_str(), SW_SHOW) >= 32;
}

void WinampBackend::close()
{
    // A player that does not answer is asked to close when it can.
    if (!send(WM_CLOSE, 0, 0))
        PostMessageA(m_window, WM_CLOSE, 0, 0);
}

} // namespace cuedeck

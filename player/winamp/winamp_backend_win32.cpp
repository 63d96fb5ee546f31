#include "player/winamp/winamp_backend.h"

#include "base/wide_text.h"

#include <string>

namespace cuedeck {

bool WinampBackend::find()
{
    m_window = FindWindowA(window_class, nullptr);
    m_unresponsive = false;
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

} // namespace

bool WinampBackend::start()
{
    const HANDLE player =
        start_program(L"\"" + wide_from_utf8(program) + L"\"", static_cast<WORD>(SW_SHOW));
    if (player == nullptr)
        return false;
    // A player we started ends with us, however we end: the watcher beside
    // the program closes it once we are gone. Without the watcher (a test
    // program of its own) it is closed only at our own close.
    wchar_t ours[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, ours, MAX_PATH + 1);
    std::wstring watcher(ours, length <= MAX_PATH ? length : 0);
    const std::size_t folder_end = watcher.find_last_of(L"\\/");
    watcher =
        folder_end == std::wstring::npos
            ? std::wstring()
            : watcher.substr(0, folder_end + 1) + wide_from_utf8(CUEDECK_PLAYER_WATCH_NAME ".exe");
    if (!watcher.empty() && GetFileAttributesW(watcher.c_str()) != INVALID_FILE_ATTRIBUTES) {
        const HANDLE watch =
            start_program(L"\"" + watcher + L"\" " + std::to_wstring(GetCurrentProcessId()) + L" " +
                              std::to_wstring(GetProcessId(player)),
                          static_cast<WORD>(SW_HIDE));
        if (watch != nullptr)
            CloseHandle(watch);
    }
    CloseHandle(player);
    return true;
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
    // Runs whether or not a player was found: a running one takes the file over.
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

#include "player/winamp/winamp_backend.h"

namespace cuedeck {

bool WinampBackend::find()
{
    m_window = FindWindowA(window_class, nullptr);
    return m_window != nullptr;
}

bool WinampBackend::start()
{
    const std::string command = std::string("\"") + program + "\"";
    return WinExec(command.c_str(), SW_SHOW) >= 32;
}

void WinampBackend::command(PlayerCommand command)
{
    SendMessageA(m_window, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

int WinampBackend::request(PlayerRequest request, int wparam)
{
    return static_cast<int>(
        SendMessageA(m_window, WM_USER, static_cast<WPARAM>(wparam), static_cast<LPARAM>(request)));
}

std::string WinampBackend::caption()
{
    char buffer[129] = {};
    GetWindowTextA(m_window, buffer, sizeof buffer);
    return buffer;
}

void WinampBackend::hand_over(const std::string& path)
{
    // Runs whether or not a player was found: a running one takes the file over.
    const std::string command = std::string("\"") + program + "\" \"" + path + "\"";
    WinExec(command.c_str(), SW_SHOW);
}

void WinampBackend::close()
{
    SendMessageA(m_window, WM_CLOSE, 0, 0);
}

} // namespace cuedeck

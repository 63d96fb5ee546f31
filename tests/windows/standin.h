#pragma once

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "player/winamp/winamp_backend.h"
#include "support/deadline.h"
#include "support/fake_player_backend.h"

namespace cuedeck::testing {

/// The folder of the running test program, with its trailing backslash.
inline std::string program_folder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\') + 1);
}

/// The stand-in player, running in a process of its own.
class StandIn
{
public:
    /// `moving`: while it plays, its place moves on in real time, and each
    /// jump is logged with the place it came from ("from 12345").
    explicit StandIn(const FakePlayerBackend::Model& model, const std::string& name = "standin",
                     bool moving = false)
        : m_log(program_folder() + name + ".log")
    {
        std::string command =
            "\"" + program_folder() + "winamp_standin.exe\" \"" + m_log + "\" " +
            std::to_string(model.play_state) + " " + std::to_string(model.playlist_length) + " " +
            std::to_string(model.playlist_index) + " " + std::to_string(model.position_ms) + " " +
            std::to_string(model.track_length_s) + " \"" + model.caption + "\"" +
            (moving ? " --moving" : "");
        // The player is found by its window class alone, so a window of an
        // earlier stand-in that is still on its way out must be gone first.
        wait_until_no_player_window();
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        m_started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &m_process) != 0;
        if (m_started)
            eventually([&] { return own_window() != nullptr; });
    }
    ~StandIn()
    {
        if (!m_started)
            return;
        if (HWND window = own_window())
            PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_process.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
        wait_until_no_player_window();
    }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    bool running() const { return m_started && own_window() != nullptr; }

    /// Wait until the process has ended (after it was told to close).
    bool wait_for_exit() const
    {
        return WaitForSingleObject(m_process.hProcess, DWORD(test_deadline_ms())) == WAIT_OBJECT_0;
    }

    /// Every message the stand-in received so far.
    std::vector<std::string> log() const
    {
        std::vector<std::string> lines;
        std::ifstream file(m_log);
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }

private:
    static constexpr const char* player_class = WinampBackend::window_class;

    /// The player window that belongs to this stand-in's process, if any.
    HWND own_window() const
    {
        for (HWND window = FindWindowExA(nullptr, nullptr, player_class, nullptr);
             window != nullptr; window = FindWindowExA(nullptr, window, player_class, nullptr)) {
            DWORD process_id = 0;
            GetWindowThreadProcessId(window, &process_id);
            if (process_id == m_process.dwProcessId)
                return window;
        }
        return nullptr;
    }

    static void wait_until_no_player_window()
    {
        eventually([] { return FindWindowA(player_class, nullptr) == nullptr; });
    }

    std::string m_log;
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
};

} // namespace cuedeck::testing

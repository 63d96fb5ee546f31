#pragma once

#include <windows.h>

#include <optional>

#include "player/player_backend.h"

namespace cuedeck {

/// Winamp, driven through its main window's messages.
///
/// Each message waits for the player at most `reply_budget`, so a hung
/// player never freezes the window for longer. Once one has timed out, the
/// player is asked nothing more (requests read 0 at once) until it has
/// answered a probe sent behind it, which arrives through our message loop.
///
/// A player it starts is guarded by the watcher beside the program
/// (cuedeck-watch), which closes it once Cuedeck has ended, however it
/// ended: the player whose window is found after the start, and a new
/// watcher when that one is gone while the player runs.
class WinampBackend : public PlayerBackend
{
public:
    WinampBackend() = default;
    ~WinampBackend() override;
    WinampBackend(const WinampBackend&) = delete;
    WinampBackend& operator=(const WinampBackend&) = delete;

    static constexpr const char* window_class = "Winamp v1.x";
    static constexpr const char* program = "c:/program files/winamp/winamp.exe";
    static constexpr UINT reply_budget_ms = 500;

    bool find() override;
    bool start() override;
    bool alive() override { return m_window != nullptr && IsWindow(m_window); }
    bool answers_now() override;
    bool heard_again() override { return !m_unresponsive; }
    void command(PlayerCommand command) override;
    std::optional<int> request(PlayerRequest request, int wparam) override;
    std::string caption() override;
    bool hand_over(const std::string& path) override;
    void close() override;
    std::string look_after() override;
    std::string name() const override { return "Winamp"; }
    std::string location() const override { return "c:\\program files\\winamp\\winamp.exe"; }

    /// Whether the player let a message time out and has not answered since.
    bool unresponsive() const { return m_unresponsive; }

private:
    /// The message's answer, or nothing when it timed out (or the player is
    /// known to be unresponsive).
    std::optional<LRESULT> send(UINT message, WPARAM wparam, LPARAM lparam);
    static void CALLBACK answered(HWND window, UINT message, ULONG_PTR self, LRESULT result);

    /// Guard the player of this process from now on: a watcher for it,
    /// unless the one running guards it already.
    void watch(DWORD player);
    void forget_watch();

    HWND m_window = nullptr;
    bool m_unresponsive = false;
    /// The player start() began, until its window is found.
    HANDLE m_started = nullptr;
    /// The player guarded, and its watcher; null when none is.
    HANDLE m_watched = nullptr;
    DWORD m_watched_id = 0;
    HANDLE m_watcher = nullptr;
    /// The watcher ended while the player runs, and none could be started again.
    bool m_watch_lost = false;
};

} // namespace cuedeck

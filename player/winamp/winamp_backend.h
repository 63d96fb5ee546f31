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
class WinampBackend : public PlayerBackend
{
public:
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
    std::string name() const override { return "Winamp"; }
    std::string location() const override { return "c:\\program files\\winamp\\winamp.exe"; }

    /// Whether the player let a message time out and has not answered since.
    bool unresponsive() const { return m_unresponsive; }

private:
    /// The message's answer, or nothing when it timed out (or the player is
    /// known to be unresponsive).
    std::optional<LRESULT> send(UINT message, WPARAM wparam, LPARAM lparam);
    static void CALLBACK answered(HWND window, UINT message, ULONG_PTR self, LRESULT result);

    HWND m_window = nullptr;
    bool m_unresponsive = false;
};

} // namespace cuedeck

#pragma once

#include <windows.h>

#include "player/player_backend.h"

namespace cuedeck {

/// Winamp, driven through its main window's messages.
class WinampBackend : public PlayerBackend
{
public:
    static constexpr const char* window_class = "Winamp v1.x";
    static constexpr const char* program = "c:/program files/winamp/winamp.exe";

    bool find() override;
    bool start() override;
    bool alive() override { return m_window != nullptr && IsWindow(m_window); }
    void command(PlayerCommand command) override;
    int request(PlayerRequest request, int wparam) override;
    std::string caption() override;
    void hand_over(const std::string& path) override;
    void close() override;
    std::string name() const override { return "Winamp"; }
    std::string location() const override { return "c:\\program files\\winamp\\winamp.exe"; }

private:
    HWND m_window = nullptr;
};

} // namespace cuedeck

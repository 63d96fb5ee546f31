#pragma once

#include <windows.h>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "control/commands/commands.h"
#include "control/run/controller.h"
#include "control/run/controller_view.h"
#include "control/session/session.h"
#include "ui/win32/hot_keys.h"

namespace cuedeck {

class OptionsDialogWin32;

/// The main window on Windows: dialog template 102 and its message table.
/// It turns keys, buttons, menu commands, drops, the timer and closing into
/// Controller calls, and shows what the controller asks through
/// ControllerView with the system's own boxes and choosers.
class MainDialog : public ControllerView, public SessionWindow
{
public:
    /// The window of `session`'s run, attached to it until the window goes.
    MainDialog(HINSTANCE instance, Session& session);
    ~MainDialog() override;
    MainDialog(const MainDialog&) = delete;
    MainDialog& operator=(const MainDialog&) = delete;

    /// Run the window until it ends; the program ends with it.
    INT_PTR run();
    /// Open the window without a loop of its own, for a caller that pumps
    /// messages (the tests).
    HWND open_modeless();

    HWND window() const { return m_window; }
    Controller& controller() { return m_session.controller(); }
    OptionsDialogWin32& options() { return *m_options; }
    /// Take the keys for every window as the run's settings choose them,
    /// or as `choice` (see GlobalKeys) while the Options dialog tries it.
    void register_global_keys(std::optional<int> choice = std::nullopt);
    const std::string& global_keys_note() const { return m_hot_keys.note(); }
    /// Run `work` from the window's message loop, after what waits there:
    /// the session's way to the next turn. Callable from any thread.
    void later(std::function<void()> work);
    /// A file a later start of the program handed over (see
    /// Session::open_handed_file); empty: the window only comes forward.
    void open_handed_file(const std::string& file) { m_session.open_handed_file(file); }

    // SessionWindow
    bool ending() const override { return m_ending || m_ended; }
    void come_forward() override;
    void show_told(const std::string& text) override { show_message(text); }

    // ControllerView
    void set_field_text(FieldId field, const std::string& text) override;
    void show_alarm_picture(bool shown) override;
    /// The position bar: a trackbar for the player's position and length,
    /// drawn as the tip's waveform with its marks (see draw_position_bar).
    void show_bar(const BarState& bar) override;
    /// Two static controls under the bar; the controls below move down
    /// while they show.
    void show_draft_line(const cues::Shown& line) override;
    void set_title(const std::string& title) override;
    void return_focus() override;
    bool ask_yes_no(const std::string& text, const std::string& caption) override;
    std::optional<bool> ask_yes_no_cancel(const std::string& text,
                                          const std::string& caption) override;
    void show_message(const std::string& text) override;
    void tell(const std::string& text) override { m_session.tell(text); }
    bool offer_locate(const std::string& text) override;
    std::optional<std::string> choose_file(const FileChoice& choice) override;
    std::vector<std::string> choose_recordings(RecordingChoice choice) override;
    void put_on_clipboard(const std::string& text) override;
    std::string clipboard_text() override;
    std::optional<std::string> ask_place() override;
    void look_for_player_in(int milliseconds) override;
    void start_tick() override;
    void stop_tick() override;
    void end_window(WindowEnding ending) override;

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam);
    void initialise();
    /// The menu bar, from the menu tables.
    void add_menu();
    bool paint_minimised();
    void command(WORD id, WORD notification);
    void carry_out(Command command) { m_session.carry_out_in_window(command); }
    void drop(HDROP files);
    void open_settings() override;
    void open_recognizer_settings() override;
    void open_help() override;
    void open_about() override;

    HINSTANCE m_instance;
    Session& m_session;
    std::unique_ptr<OptionsDialogWin32> m_options;
    HWND m_window = nullptr;
    HICON m_icon = nullptr;
    bool m_modal = false;
    HotKeys m_hot_keys{m_session};
    bool m_ending = false;       ///< the close box's shut-down runs
    BarState m_bar;              ///< what the bar shows
    bool m_bar_held = false;     ///< the bar's thumb is being dragged
    bool m_bar_moved = false;    ///< the bar moved, to be carried out when its move ends
    bool m_bar_by_mouse = false; ///< ... by the mouse
    void bar_moved(int code);
    cues::Shown m_draft_shown;
    /// The draft's read-outs' types (SS_...) in the template, heard and next:
    /// what they have while their text runs left to right.
    std::array<LONG, 2> m_draft_types{};
    /// `text` in one of the draft's read-outs, set from the right while it
    /// runs right to left.
    void set_draft_text(HWND control, const std::string& text, LONG left_type);
    bool m_ended = false;
    bool m_ticking = false;
    int m_tick_period_ms = 0; ///< of the tick timer, while it runs
    std::mutex m_later_lock;  ///< guards m_later and m_later_target
    std::deque<std::function<void()>> m_later;
    HWND m_later_target = nullptr;
};

} // namespace cuedeck

#pragma once

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "control/commands/commands.h"
#include "control/run/controller.h"
#include "control/run/controller_view.h"
#include "control/session/session.h"
#include "ui/session_tick.h"

class QAction;
class QLabel;
class QSessionManager;
class QUrl;

namespace cuedeck {

class OptionsDialog;
class DraftLine;
class PositionBar;
class SpokenAlert;

/// The one window: the status fields, two of them large read-outs, a
/// button per transport command, the menus and the STOP picture. It turns
/// keys, buttons, menu commands, drops, the tick and closing into Controller
/// calls, and shows what the controller asks through ControllerView.
class MainWindow : public QMainWindow, public ControllerView, public SessionWindow
{
    Q_OBJECT

public:
    /// The window of `session`'s run, attached to it until the window goes.
    explicit MainWindow(Session& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Begin the run: the controller's start-up, after the window's own set-up.
    void start();
    /// End the run as the close box does, from outside the window: a
    /// termination signal (nobody can answer then), or the desktop session
    /// ending (questions only when the session manager allows them). Any
    /// dialog still open is left unanswered.
    void end_run(Attendance attendance);
    /// Whether the run has ended (it may end while still starting, from a
    /// dialog of the start-up).
    bool ended() const { return m_ended; }
    /// The run the window drives.
    Controller& controller() { return m_session.controller(); }
    /// Files dropped on the window; only a drop of exactly one file is taken.
    void drop_urls(const QList<QUrl>& urls);
    /// A file another start of the program handed over: opened as if it
    /// were dropped, once no dialog is open; the window comes forward.
    void open_handed_file(const QString& file);

    // SessionWindow
    bool ending() const override { return m_ended || m_closing; }
    void come_forward() override;
    void tell(const std::string& text) override;
    void show_told(const std::string& text) override;

    // ControllerView
    void set_field_text(FieldId field, const std::string& text) override;
    void show_alarm_picture(bool shown) override;
    void show_bar(const BarState& bar) override;
    void show_draft_line(const cues::Shown& line) override;
    void set_title(const std::string& title) override;
    void return_focus() override;
    bool ask_yes_no(const std::string& text, const std::string& caption) override;
    std::optional<bool> ask_yes_no_cancel(const std::string& text,
                                          const std::string& caption) override;
    void show_message(const std::string& text) override;
    void announce(const std::string& text) override;
    bool offer_locate(const std::string& text) override;
    void put_on_clipboard(const std::string& text) override;
    std::string clipboard_text() override;
    std::optional<std::string> ask_place() override;
    std::vector<std::string> choose_recordings(RecordingChoice choice) override;
    std::optional<std::string> choose_file(const FileChoice& choice) override;
    void look_for_player_in(int milliseconds) override;
    void start_tick() override;
    void stop_tick() override;
    void end_window(WindowEnding ending) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void create_controls();
    void fit_the_screen();
    /// What a window manager's frame may take at each side.
    static constexpr int frame_allowance_px = 8;
    void create_menus();
    /// A told message, shown once no dialog of the window is open.
    /// The check marks of the aids and the loop, as the run has them.
    void show_checked_items();
    void carry_out(Command command);
    void commit_session(QSessionManager& manager);
    void open_settings() override;
    void open_recognizer_settings() override;
    void open_help() override;
    void open_about() override;

    Session& m_session;
    OptionsDialog* m_options = nullptr;
    SessionTick m_tick{m_session};
    std::map<FieldId, QLabel*> m_fields;
    std::vector<std::pair<QAction*, Command>> m_checked_items;
    SpokenAlert* m_stop_picture = nullptr;
    /// Where the work stands, said when asked.
    SpokenAlert* m_spoken = nullptr;
    PositionBar* m_bar = nullptr;
    DraftLine* m_draft_line = nullptr;
    /// What lies under the draft line, where it lies while there is none.
    std::vector<std::pair<QWidget*, QRect>> m_below_draft;
    QSize m_client_size;
    int m_draft_room_px = 0;
    bool m_ended = false;
    bool m_closing = false;
    bool m_told_no_coming_forward = false; ///< said once on the standard error
};

} // namespace cuedeck

#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/ui_text.h"
#include "control/state/cues.h"
#include "files/draft_format.h"
#include "files/waveform.h"

namespace cuedeck {

/// The display fields of the main window, by control id.
enum class FieldId {
    TipLength,
    Position,
    Counter,
    Playing,
    Playlist,
    TipTimer,
    SoundState,
    Speed,
    DeviceState,
    Aids,
    Loop,
};

/// What the position bar shows of the tip.
struct BarState
{
    int length_ms = 0; ///< 0: no tip, an empty bar
    int position_ms = 0;
    int zero_mark_ms = 0;
    std::optional<int> loop_start_ms{};
    std::optional<int> loop_end_ms{};
    /// What the counter reads, as a screen reader reads the bar.
    std::string counter{};
    /// The tip's recording; empty when unknown.
    std::string file{};
    /// As much of its waveform as is ready; none where there is none.
    std::shared_ptr<const Waveform> waveform{};
    /// Its draft, whose cues' starts the bar marks; none without one.
    std::shared_ptr<const Draft> draft{};

    friend bool operator==(const BarState&, const BarState&) = default;
};

enum class FileDialogMode { Open, Save };

/// What a file chooser is asked for.
struct FileChoice
{
    FileDialogMode mode = FileDialogMode::Open;
    /// In the form "Description (*.a)|*.a;*.b||".
    std::string filter{};
    /// Appended to a typed name without one (no dot); may be empty.
    std::string default_extension{};
    /// The file the chooser offers, in the folder it starts in; empty for
    /// the platform's choice.
    std::string suggested{};
    /// The chooser's title; empty for the platform's own.
    std::string caption{};
};

/// What New Tape Group is made of: recordings chosen together, or a folder.
enum class RecordingChoice { Files, Folder };

/// What Go To Place asks.
constexpr const char* place_prompt =
    UI_TEXT("Place (1:23.4, or 2 0:01:23.4 for tip 2; any text around it):");

/// The titles of New Tape Group's choosers.
constexpr const char* recordings_caption = UI_TEXT("New Tape Group: choose its recordings");
constexpr const char* folder_caption =
    UI_TEXT("New Tape Group: choose the folder of its recordings");

/// How the main window ends after shut-down: the close box's default
/// handling, or the way OK ends a dialog (File, Exit).
enum class WindowEnding { DefaultClose, AsOk };

/// Whether anyone can answer a question while the run ends: not when it is
/// ended by a signal, or by a logout that allows no interaction. Then the
/// tape group file stays as it is on disk, as if the user had answered No.
enum class Attendance { UserPresent, Unattended };

// What the controller needs from the main window. The controller never
// draws; it changes the screen only through these operations, so the whole of
// it runs against a fake window in tests and the same controller serves
// every front end.

/// What the run shows: its fields, the position bar, the STOP picture,
/// the title, and what a screen reader says.
class RunPresentation
{
public:
    virtual ~RunPresentation() = default;

    virtual void set_field_text(FieldId field, const std::string& text) = 0;
    /// Show or hide the STOP picture.
    virtual void show_alarm_picture(bool shown) = 0;
    /// The position bar, at each refresh.
    virtual void show_bar(const BarState& bar) { (void)bar; }
    /// The draft line under the bar: the cue heard and the next; both
    /// empty where the tip has no draft, and then it takes no room.
    virtual void show_draft_line(const cues::Shown& line) { (void)line; }
    virtual void set_title(const std::string& title) = 0;
    /// Give the keyboard focus back to the window itself, so that Space, the
    /// arrows and the other keys keep reaching the key table.
    virtual void return_focus() = 0;
    /// Have a screen reader say `text` now, without a message box; a front
    /// end with no screen reader shows nothing.
    virtual void announce(const std::string& text) { (void)text; }
};

/// What the run asks the user and tells them: questions, messages and
/// choosers, each waiting for its answer.
class RunQuestions
{
public:
    virtual ~RunQuestions() = default;

    /// A modal Yes/No question with a warning icon; true for Yes.
    virtual bool ask_yes_no(const std::string& text, const std::string& caption) = 0;
    /// The same with a way back: true for Yes, false for No, none for Cancel.
    virtual std::optional<bool> ask_yes_no_cancel(const std::string& text,
                                                  const std::string& caption) = 0;
    /// A modal message with OK, captioned with the program's name.
    virtual void show_message(const std::string& text) = 0;
    /// A message shown once the command that found it has answered (it may
    /// have come from outside the window, whose sender waits for the answer).
    virtual void tell(const std::string& text) { show_message(text); }
    /// A modal message about a file that is not where it should be, offering
    /// to look for it: true when the user chose "Locate…", false for Cancel.
    virtual bool offer_locate(const std::string& text) = 0;
    /// The platform's file chooser; nothing when cancelled. A save chooser
    /// asks before replacing a file.
    virtual std::optional<std::string> choose_file(const FileChoice& choice) = 0;
    /// The platform's chooser of several recordings (.mp3, .wav) at once, or
    /// of a folder; empty when cancelled.
    virtual std::vector<std::string> choose_recordings(RecordingChoice choice) = 0;
    /// Go To Place: a small dialog asking for a place (`place_prompt`);
    /// nothing when cancelled.
    virtual std::optional<std::string> ask_place() = 0;
};

/// The window as the run drives it: what it shows, what it asks, and the
/// window's own means (the clipboard, its timers, its end).
class ControllerView : public RunPresentation, public RunQuestions
{
public:
    ~ControllerView() override = default;

    /// Put text on the clipboard (and, where there is one, the selection a
    /// middle click pastes).
    virtual void put_on_clipboard(const std::string& text) = 0;
    /// The clipboard's text; empty when it holds none.
    virtual std::string clipboard_text() = 0;
    /// Call Controller::look_for_player() once, `milliseconds` from now,
    /// from the event loop.
    virtual void look_for_player_in(int milliseconds) = 0;
    /// The one-second tick that drives Controller::tick().
    virtual void start_tick() = 0;
    virtual void stop_tick() = 0;
    /// End the main window; the process ends with it.
    virtual void end_window(WindowEnding ending) = 0;
};

/// The view of a run with no window (before the window comes, once it has
/// gone): it shows nothing, and each question is answered as a user closing
/// it would (no, cancel, nothing chosen).
ControllerView& absent_view();

} // namespace cuedeck

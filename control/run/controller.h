#pragma once

#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/ui_text.h"
#include "control/run/alarm_sound.h"
#include "control/run/controller_view.h"
#include "control/run/presented.h"
#include "control/run/tape_group_file.h"
#include "control/state/run_state.h"
#include "control/storage/draft_choices.h"
#include "control/storage/place_journal.h"
#include "files/draft_format.h"
#include "player/player_link.h"
#include "system/recognitions.h"
#include "system/system.h"

namespace cuedeck {

class System;
class PlayerBackend;
class Waveforms;

/// The state of a run and every command on it.
///
/// The window forwards buttons, keys, menu commands, drops and the tick here;
/// the controller drives the player through PlayerLink, the disk through the
/// file classes and the screen through ControllerView. It holds no toolkit
/// objects, so tests run it against a fake window, player and system.
class Controller
{
public:
    static constexpr const char* no_sound_device = UI_TEXT("No sound device");
    static constexpr const char* not_answering = UI_TEXT("%1 is not answering");

    Controller(ControllerView& view, PlayerBackend& player, System& system);
    /// A controller whose window comes later (set_view), before the run starts.
    Controller(PlayerBackend& player, System& system);
    /// Where the run is shown; none (the absent view) once the window has gone.
    void set_view(ControllerView* view) { m_view = view != nullptr ? view : &absent_view(); }

    // Start and end of a run.
    void start_up();
    void shut_down(WindowEnding ending, Attendance attendance = Attendance::UserPresent);
    void find_exe_directory();
    /// Find the player, or start it and look for it from the event loop
    /// (ControllerView::look_for_player_in) until it answers, at most
    /// player_start_budget_ms. A list is handed to a started player only
    /// once it answers: handed over before, it starts a second player.
    void connect_player();
    static constexpr int player_start_budget_ms = 10000;
    static constexpr int player_look_interval_ms = 100;
    /// One look for a started player; the next is asked for until it answers
    /// or the looks run out.
    void look_for_player();

    /// Hear the tracks through these aids from now on (kept in the settings).
    void use_aids(const ClarityAids& aids);
    /// Where the tip's waveforms come from; none: no waveform, no phrases.
    void use_waveforms(Waveforms* waveforms) { m_waveforms = waveforms; }
    Waveforms* waveforms() const { return m_waveforms; }
    /// Where Make Draft runs recognizers; none: it cannot.
    void use_recognizers(Recognizers* recognizers) { m_recognizers = recognizers; }
    /// While one lives, the commands carried out come from outside the window
    /// (--command, a remote): nobody may be there to answer a question, so
    /// those that would ask one say why in the status instead.
    class FromOutside
    {
    public:
        explicit FromOutside(Controller& controller) : m_controller(controller)
        {
            m_controller.m_from_outside = true;
        }
        ~FromOutside() { m_controller.m_from_outside = false; }
        FromOutside(const FromOutside&) = delete;
        FromOutside& operator=(const FromOutside&) = delete;

    private:
        Controller& m_controller;
    };
    /// The recognizer Make Draft runs, the default resolved.
    RecognizerChoice recognizer_choice() const;
    /// Whether a draft is being made.
    bool making_draft() const { return m_making_draft.has_value(); }
    /// As much of the current tip's waveform as is ready; none without.
    std::shared_ptr<const Waveform> waveform_now();

    // Places as a transcript holds them, "[2 00:01:23.4]".
    /// Go to the first place in `text`, paused, and record it; empty when
    /// done, else why not (also shown in a message when `told`).
    std::string go_to_place(const std::string& text, bool told);

    /// The position in the tip now, as the player tells it; the last one
    /// known when it does not answer.
    int position_now();
    /// What the player said at the last refresh.
    const PlayerStatus& last_status() const { return m_last_status; }

    // Shared moves.
    /// Move the player to a place: 0-based tip, seconds into it, or the
    /// exact place in ms when it is known to more than the second.
    void go_to(int tip, int seconds, std::optional<int> place_ms = {});
    void open_music_file(const std::string& path);

    // The once-a-second tick and the status display.
    void tick();
    void refresh();
    /// Show what the player tells now, following a tip change it made by
    /// itself (end of track, its own controls).
    void follow_player();
    /// Whether the player played at the last look.
    bool playing() const { return m_last_status.play_state == play_state::playing; }
    /// Whether nothing changes until the player tells something or a command
    /// comes: paused or stopped, no countdown, notice or move waiting, the
    /// place kept, and a player that tells.
    bool at_rest();
    int player_told_through() { return m_player.told_through(); }
    /// Whether the player a command would drive answers now; true where
    /// there is none (the command looks for it).
    bool player_answers() { return !m_player.connected() || m_player.answers_now(); }
    /// Whether a player that did not answer has said anything since (see
    /// PlayerBackend::heard_again): what waits for it may go then.
    bool player_heard_again() { return !m_player.connected() || m_player.heard_again(); }
    /// Whether a load or go-to waits for the player to answer.
    bool has_pending_move() const { return m_pending_hand_over.has_value() || m_go_to_pending; }

    // The draft of the current tip: a recognizer's cues, or a transcript
    // with places, read from beside the recording or where the user chose.
    /// A draft file up to this size is read at once; a larger one on a
    /// thread of its own, so that the window never waits for it.
    static constexpr std::size_t read_at_once_bytes = std::size_t{1} << 20;
    /// The draft shown; none for a tip without one.
    std::shared_ptr<const Draft> draft() const { return m_draft.cues; }
    /// The file it was read from; empty without one.
    const std::string& draft_path() const { return m_draft.path; }
    /// What a front end watches for the draft: its file, else the
    /// recording (whose folder a new draft would be written into).
    const std::string& draft_watched() const
    {
        return m_draft.path.empty() ? m_draft.recording : m_draft.path;
    }
    /// Read the draft at `path` for the current tip and remember the choice.
    void open_draft(const std::string& path);
    /// Read the draft again if its file changed (the editor saved it).
    void look_at_draft();

    // Tape group files and dropped files.
    /// Open a tape group file as a dropped one is: the save question for the
    /// open one first, then the player moves to the new one's place.
    void open_tape_group(const std::string& path);
    /// Load a playlist as a dropped one is (no save question).
    void open_playlist(const std::string& path);
    void drop(const std::vector<std::string>& files);
    /// The File menu's flow over this run.
    TapeGroupFile tape_group_file();

    // The options dialog's exchange.
    /// The values the options dialog shows (sound on as 0 or 1).
    Options options() const;
    void apply_options(const Options& options);
    void play_alarm(int method, const std::string& path) { m_alarm.play(method, path); }
    /// The help page: beside the program (a build folder, a portable copy,
    /// Windows), else in the installed data folder, <prefix>/share/cuedeck/.
    std::string help_page_path();

    /// What the window's status says of the foot pedal ("Pedal disconnected").
    void show_device_state(const std::string& text);
    /// A refusal that takes no answer (a request from outside the window
    /// could not be carried out): in the window's status for `notice_ticks`
    /// ticks and said by a screen reader, where a box would hold back every
    /// later request until someone answered it. One `of_silence` (the
    /// player does not answer) goes when the player answers again.
    void show_notice(const std::string& text, bool of_silence = false);
    static constexpr int notice_ticks = 10;

    /// What the run knows, to read; only the controller's own commands change it.
    const RunState& state() const { return m_state; }
    bool player_connected() { return m_player.connected(); }
    std::string player_name() const { return m_player.name(); }

private:
    // The commands' bodies, reached through the command table
    // (command_bodies.cpp) and grouped as their source files are.
    friend struct CommandBodies;

    // Transport (transport_commands.cpp, speed_commands.cpp, media_commands.cpp).
    void play_pause();
    void zero();
    void rewind();
    void back_5_seconds();
    void forward_5_seconds();
    void last_tip();
    void next_tip();
    void volume_up();
    void volume_down();
    void tip_timer();
    void undo();
    void redo();
    void slower();
    void faster();
    void normal_speed();
    /// Play at `percent` of normal speed (kept within the bounds); nothing
    /// when the player cannot change speed.
    void set_speed(int percent);
    /// For the media interface and the pedal: play or resume as play/pause
    /// does, nothing while playing; pause as it does, with the step back,
    /// nothing unless playing; jump to `position_ms` into the current tip,
    /// kept within it.
    void play();
    void pause();
    void jump_within_tip(int position_ms);
    /// Have a screen reader say where the work stands: the tip, the play
    /// state, the counter, the tip timer, the speed, the aids and the loop.
    void say_where();

    // Places (place_commands.cpp, phrase_commands.cpp), "[2 00:01:23.4]".
    /// The place now onto the clipboard.
    void copy_place();
    /// Go To Place: ask for a place and go there, or say why not.
    void ask_and_go_to_place();
    /// Go to the place on the clipboard; nothing when it holds none.
    void go_to_copied_place();
    /// The position bar's click: to `position_ms` into the current tip (kept
    /// within it) as a go-to moves, the zero mark there and recorded, but
    /// playing on when it played.
    void go_to_in_tip(int position_ms);
    // Phrases, where the waveform shows the pauses between them (a jump, as
    // the 5-second ones are); nothing while the waveform is not complete.
    void phrase_back();
    void phrase_forward();

    // Drafts (draft_commands.cpp): cue by cue, as a go-to moves; nothing
    // but a notice where the tip has no draft.
    void previous_cue();
    void next_cue();
    void cue_again();
    /// The cue heard played over and over, from its start; again: no loop.
    void loop_cue();
    /// The cue heard (or the last one over) onto the clipboard, with its place.
    void copy_cue();
    void copy_draft_as_transcript();
    void open_draft();
    void save_draft_as();

    // Drafts made (make_draft_commands.cpp), one at a time, in the background.
    void make_draft();
    void make_draft_of_loop();
    void stop_making_draft();
    void start_making_draft(std::optional<Loop> stretch);
    /// Whether recordings may go to the server at `address`: one on this
    /// machine may; another once the user said so (asked here).
    bool server_allowed(const std::string& address);
    /// At each tick: its progress, and once it is finished, its draft written.
    void follow_making_draft();
    void take_made_draft(const RecognitionState& made);
    /// No draft was made of `name`, for `why`: said in a box, with the
    /// recognizer's `details`, and in the status, where the progress was.
    void tell_no_draft(const std::string& name, const std::string& why,
                       const std::string& details = {});
    /// A notice in the status, unsaid: a box says it (see show_notice).
    void put_notice(const std::string& text, bool of_silence = false);

    // Files (file_commands.cpp; the flows in tape_group_file.cpp).
    void open_playlist();
    void open_music_file();
    void new_tape_group();
    void new_tape_group_from_folder();
    void open_tape_group();
    void save_tape_group();
    void save_tape_group_as();

    // Clarity (clarity_commands.cpp): the aids and the loop; nothing where
    // the player has none.
    void reduce_noise();
    void voice_band();
    void even_loudness();
    void louder();
    void channel_both();
    void channel_left();
    void channel_right();
    void channel_mixed();
    /// The loop key: the loop's start at the place, then its end (the
    /// stretch plays from its start, over and over), then no loop.
    void loop();
    /// No loop from now on.
    void end_loop();

    /// Move the player to (target tip, target seconds), or remember to once
    /// it answers.
    void go_to_target();
    /// Hand the playlist path, found playable, to the player.
    void load_playlist();
    /// What the player is handed to play `playlist`: the list itself, or a
    /// copy naming the entries found beside it (the user is told).
    std::string list_to_play(const std::string& playlist);
    /// Whether `path` may be handed to the player; says why not when not.
    bool playable(const std::string& path);

    /// Record the current place: (current tip, zero mark in whole seconds).
    void push_place();
    void show_sound_state();
    /// Below the sound state: "No sound device" while nothing can be heard,
    /// else the speed when it is not normal.
    void show_speed_state();
    void toggle_aid(Aid aid);
    void hear_channel(Channel channel);
    /// Turn off, and name once, any aid the player could not build.
    void follow_aids();
    void show_aids_state();
    std::string aids_text() const;
    void show_loop_state();
    void move_by_phrase(std::optional<int> (*find)(const Waveform&, int));
    /// Say once per recording why it has no waveform, when it has none.
    void tell_waveform_trouble();
    void show_bar();
    /// The recording the player has now: as it tells it, else (a player
    /// that does not tell) the current tip's entry of the playlist opened.
    std::string recording_now();
    /// The draft for the recording the player has now: the one chosen for
    /// it, else one beside it of the same name; read once per recording.
    void follow_draft();
    /// Where a draft is read from, for which recording, and whether the
    /// user chose it (and is told in a box when it cannot be read).
    struct DraftSource
    {
        std::string recording;
        std::string path;
        bool chosen = false;
        std::optional<FileStamp> stamp;
    };
    struct DraftRead
    {
        std::shared_ptr<Draft> draft;
        enum class Problem { None, Unreadable, TooLarge } problem = Problem::None;
    };
    /// Any thread: the file's cues.
    static DraftRead read_draft_file(System& system, const std::string& path);
    /// Read the draft at `path` for `recording`; `chosen` by the user, who
    /// is told when it holds no cues. False when none was read (true, too,
    /// while a long one is being read).
    bool read_draft(const std::string& recording, const std::string& path, bool chosen);
    /// Show what was read, or tell why not; false for nothing shown.
    bool take_draft(const DraftSource& of, DraftRead read);
    /// A long draft read meanwhile, taken in.
    void collect_draft();
    /// Have the player show the draft as subtitles where the settings ask
    /// for it, or show none.
    void show_draft_subtitles();
    /// Move to the cue `pick` finds at the place, as a go-to, and say it.
    void go_to_cue(std::optional<std::size_t> (*pick)(const Draft&, int));
    /// The draft, or a notice that the tip has none.
    std::shared_ptr<const Draft> draft_or_notice();
    /// Look for the player again when it is gone (or was never found), so
    /// that the player a command needs is the one driven.
    void reach_player();
    bool zero_step();
    void step_back_after_pause();
    /// Play/Pause from the play state the player gave: pause (and step
    /// back) while it plays, else play.
    void play_pause_from(int state);
    void change_tip(PlayerCommand command);
    void go_to_history_entry(const std::function<std::optional<HistoryEntry>()>& step);
    void move_player_to_target(int playlist_length);
    /// Hand the file to the player; one it did not take waits in
    /// m_pending_hand_over until it answers.
    bool hand_over(const std::string& path);
    void retry_pending();
    /// Take in what the player said (or that it said nothing), tell what
    /// it found wrong, and draw the run as shown.
    void show_status(const std::optional<PlayerStatus>& answer);
    /// The run as the window shows it now, its waveform included.
    PresentedRun present();
    void draw(const PresentedRun& shown);
    /// What the player found wrong with the current tip's recording, as the
    /// user is told it; empty when nothing is.
    std::string fault_text(const PlayerStatus& status) const;
    /// The file name of a recording's path, to name it to the user.
    std::string recording_name(const std::string& path) const;
    /// At start-up: offer to go back to the place an earlier run that did
    /// not end normally left in the journal; true when the run went there.
    bool resume_left_place();

    ControllerView* m_view; ///< never null: absent_view() when there is no window
    System& m_system;
    PlayerLink m_player;
    AlarmSound m_alarm;
    PlaceJournal m_journal;
    RunState m_state;
    PlayerStatus m_last_status; ///< what the display shows of the player
    Waveforms* m_waveforms = nullptr;
    std::optional<int> m_phrase_landed;  ///< where the last phrase move jumped to
    std::string m_waveform_trouble_told; ///< the recording last told of
    std::optional<std::string> m_pending_hand_over;
    struct ShownDraft
    {
        std::string recording; ///< the player's path it was looked for
        std::string path;      ///< empty: none
        std::optional<FileStamp> stamp;
        std::shared_ptr<const Draft> cues;
        bool as_subtitles = false; ///< the player was given it
    } m_draft;
    DraftChoices m_draft_choices;
    struct PendingDraft
    {
        DraftSource of;
        std::future<DraftRead> read;
    };
    std::optional<PendingDraft> m_draft_pending;
    Recognizers* m_recognizers = nullptr;
    struct MakingDraft
    {
        std::unique_ptr<Recognition> recognition;
        std::string recording;
        std::optional<Loop> stretch; ///< only its cues are replaced
        std::string told;            ///< the progress last shown
    };
    std::optional<MakingDraft> m_making_draft;
    bool m_from_outside = false; ///< see FromOutside
    /// Reads of a recording no longer heard, let finish on their own.
    std::vector<std::future<DraftRead>> m_drafts_abandoned;
    /// Files beside the recording not taken as its draft (too large,
    /// unreadable, no cues), as they were then: looked at again, and told
    /// of again, only once they changed.
    std::vector<std::pair<std::string, FileStamp>> m_drafts_refused;
    /// The playlist opened, and the recordings it names, read once.
    std::pair<std::string, std::vector<std::string>> m_playlist_recordings;
    bool m_go_to_pending = false;
    int m_player_looks_left = 0; ///< while a started player is looked for
    bool m_told_player_missing = false;
    std::string m_player_care_told; ///< see PlayerBackend::look_after
    bool m_shown_no_sound_device = false;
    /// The tip whose recording's fault was told last, and that fault: each
    /// is told once, when it is found.
    std::pair<int, EntryFault> m_told_fault{-1, EntryFault::None};
    /// The run has ended (a signal can end it while a start-up question is open).
    bool m_shut_down = false;
    std::string m_device_state;
    int m_notice_ticks_left = 0;      ///< while the status shows a notice
    bool m_notice_of_silence = false; ///< the notice shown is of the player's silence
    /// The recording whose draft the notice shown is of: it goes when
    /// another recording (another tip, another group) is heard.
    std::string m_notice_of_draft;
    bool m_player_silent = false; ///< a found player did not answer at the last look
};

} // namespace cuedeck

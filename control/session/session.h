#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "control/run/command_bodies.h"
#include "control/run/controller.h"
#include "control/session/session_port.h"

namespace cuedeck {

/// The window as the session sees it: it tells whether it is ending, comes
/// forward, shows what the session tells, and carries out its own commands
/// (its dialogs, the browser). Whether it asks something the session knows
/// itself (Session::Question).
class SessionWindow : public WindowCommands
{
public:
    /// Whether the run is ending or has ended.
    virtual bool ending() const = 0;
    /// Show the window and bring it to the front.
    virtual void come_forward() = 0;
    /// Show something that needs no answer, in a message of the window; the
    /// session says when (see Session::tell).
    virtual void show_told(const std::string& text) = 0;
};

/// Why a request from outside the window is not carried out now; empty when
/// it may be. As with the keys, none runs while the window asks something
/// (it would run inside the question, beside the command that asked it), nor
/// while the run ends.
std::string remote_refusal(bool asking, bool ending);

/// One run of the program: the controller, and everything that reaches it
/// from outside the window, under one rule for both front ends. The program
/// owns it; the window attaches itself as the controller's view, and the
/// desktop reaches it through SessionPort.
class Session : public SessionPort
{
public:
    /// How work is handed to the event loop's next turn.
    using Poster = std::function<void(std::function<void()> work)>;

    Session(PlayerBackend& player, System& system, Poster poster);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    /// The front end's window: the controller's view, and the one asked
    /// whether a request may run. Detached before it goes.
    void attach(ControllerView& view, SessionWindow& window);
    void detach();

    /// While one lives, a question of the window is open: a message, a
    /// question, a chooser or a dialog that waits for an answer. Each front
    /// end opens every one of them under a Question.
    class Question
    {
    public:
        explicit Question(Session& session) : m_session(session) { ++m_session.m_questions; }
        ~Question();
        Question(const Question&) = delete;
        Question& operator=(const Question&) = delete;

    private:
        Session& m_session;
    };
    /// Whether a question of the window is open. Nothing from outside the
    /// window runs then, and what is told or handed over waits for its answer.
    bool asking() const { return m_questions > 0; }

    /// A file handed over by a second start: the window comes forward, and
    /// the file opens as if dropped, once no question is open.
    void open_handed_file(const std::string& file);
    /// Files dropped on the window (see Controller::drop).
    void drop(const std::vector<std::string>& files);

    // What the window asks of the run, through the session as all else.
    /// The run's start (the questions of the start-up among it) and its end.
    void start_up()
    {
        m_controller.start_up();
        changed(false); // the front end ticks as the run now asks
    }
    void shut_down(WindowEnding ending, Attendance attendance = Attendance::UserPresent)
    {
        m_controller.shut_down(ending, attendance);
    }
    /// One look for a started player (see ControllerView::look_for_player_in).
    void look_for_player()
    {
        m_controller.look_for_player();
        changed(false);
    }
    /// The values the Options dialog starts from, and its alarm preview.
    Options options() const { return m_controller.options(); }
    RecognizerChoice recognizer_choice() const { return m_controller.recognizer_choice(); }
    void play_alarm(int method, const std::string& path) { m_controller.play_alarm(method, path); }
    std::string help_page_path() { return m_controller.help_page_path(); }
    std::string player_name() const { return m_controller.player_name(); }
    /// Where the tips' waveforms come from, for the position bar; none without.
    Waveforms* waveforms() const { return m_controller.waveforms(); }

    /// The run, for the front end that shows it.
    Controller& controller() { return m_controller; }
    const Controller& controller() const { return m_controller; }

    /// A command of the window's own (a key, a button, a menu item): carried
    /// out at once, and its change told.
    void carry_out_in_window(Command command);
    /// The front end's tick, every tick_period_ms() while the run shows: the
    /// controller's tick once a second; between them, while the player plays
    /// or requests wait for it, the display follows the player, and what
    /// waits is carried out once it answers. The change is told.
    void tick();
    /// How long until the next tick: short while the place moves on screen
    /// or requests wait; none (0) at rest, when the tick waits for the
    /// player's word (player_told_through readable) or a command instead;
    /// a second otherwise.
    int tick_period_ms();
    int player_told_through() { return m_controller.player_told_through(); }
    /// The draft's file, or without one the recording, for the front end
    /// to watch (with its folder); empty when there is neither.
    const std::string& draft_watched() const { return m_controller.draft_watched(); }
    /// The draft's file changed on disk (or may have): read it again.
    void look_at_draft();
    static constexpr int second_ms = 1000;
    static constexpr int following_period_ms = 50;
    /// At most this many requests wait for a player that does not answer;
    /// one that waited longer than `held_at_most_ms` is refused and told.
    static constexpr std::size_t most_held = 8;
    static constexpr int held_at_most_ms = 3000;
    /// What the window says of requests that wait ("%1": the player).
    static constexpr const char* held_notice = UI_TEXT("%1 is not answering: waiting for it");
    static constexpr const char* too_many_held = UI_TEXT("Not carried out: %1 is not answering");
    static constexpr const char* held_too_long =
        UI_TEXT("Not carried out: %1 did not answer in time");
    /// The Options dialog's OK: the values taken, and the change told.
    void apply_options(const Options& options);

    /// The Options dialog follows the note on the keys for every window
    /// while it is open; none to stop.
    using NoteListener = std::function<void(const std::string& note, GlobalKeysPath path)>;
    void follow_global_keys_note(NoteListener listener) { m_note_listener = std::move(listener); }
    const std::string& global_keys_note() const { return m_global_keys_note; }
    /// How this desktop lends keys for every window, if at all.
    GlobalKeysPath global_keys_path() const { return m_global_keys_path; }
    /// The dialog's choice of keys, tried out before OK; none: the run's own.
    void try_global_keys(std::optional<int> choice);
    /// The dialog's Learn: `pressed` hears the code of each button pressed
    /// on `device` until stop_learning_pedal(). Nothing happens where no
    /// pedal reader listens.
    void learn_pedal(const std::string& device, std::function<void(int code)> pressed);
    void stop_learning_pedal();
    /// Learn as both Options dialogs ask for it: learning on `device` while
    /// `pressed` is given, stopped when it is not.
    using PedalLearner =
        std::function<void(const std::string& device, std::function<void(int code)> pressed)>;
    PedalLearner pedal_learner();
    /// The same for the keypad's keys.
    void learn_keypad(const std::string& device, std::function<void(int code)> pressed);
    void stop_learning_keypad();
    PedalLearner keypad_learner();

    // SessionPort
    std::string submit(const Request& request) override;
    void submit_later(Request request, Answer answered = {},
                      StillWanted still_wanted = {}) override;
    void later(std::function<void()> work) override { m_poster(std::move(work)); }
    const RunState& state() const override { return m_controller.state(); }
    const PlayerStatus& last_status() const override { return m_controller.last_status(); }
    int position_now() override { return m_controller.position_now(); }
    void stop_listening(ListenerId id) override;
    ListenerId listen(Listener listener) override { return add(m_listeners, std::move(listener)); }
    ListenerId listen_to_settings(std::function<void()> listener) override
    {
        return add(m_settings_listeners, std::move(listener));
    }
    void come_forward() override;
    void show_device_state(const std::string& text) override;
    void tell(const std::string& text) override;
    void set_global_keys_note(std::string note,
                              GlobalKeysPath path = GlobalKeysPath::Grabbed) override;
    ListenerId listen_to_keys_trial(KeysTrial trial) override
    {
        return add(m_keys_trials, std::move(trial));
    }
    ListenerId listen_to_pedal_learning(LearnRequest listener) override
    {
        return add(m_learn_listeners, std::move(listener));
    }
    void pedal_button_learned(int code) override;
    ListenerId listen_to_keypad_learning(LearnRequest listener) override
    {
        return add(m_keypad_learn_listeners, std::move(listener));
    }
    void keypad_key_learned(int code) override;

private:
    template <typename Function> using Listeners = std::vector<std::pair<ListenerId, Function>>;
    template <typename Function> ListenerId add(Listeners<Function>& listeners, Function listener)
    {
        listeners.emplace_back(++m_last_id, std::move(listener));
        return m_last_id;
    }
    /// Call each listener; one may stop listening, or start, meanwhile.
    template <typename Function, typename... Arguments>
    static void tell_all(const Listeners<Function>& listeners, const Arguments&... arguments)
    {
        std::vector<ListenerId> ids;
        for (const auto& entry : listeners)
            ids.push_back(entry.first);
        for (const ListenerId id : ids) {
            for (const auto& [listening, listener] : listeners) {
                if (listening == id) {
                    const Function call = listener;
                    call(arguments...);
                    break;
                }
            }
        }
    }

    /// Run a request the rule lets through; why it did not go, else empty.
    std::string run(const Request& request);
    /// Whether `request` needs a player that does not answer now: then it
    /// waits for it (or is refused when too many wait). Requests that waited
    /// are carried out first when it answers.
    bool held(const Request& request, Answer answered = {});
    /// submit(), the answer going to `answered` once it is known.
    void submit_answered(const Request& request, Answer answered, const StillWanted& still_wanted);
    /// What the sender of a request that waited in vain is told.
    std::string refusal_of_held() const;
    /// Carry out what waited once the player answers; refuse what waited too long.
    void carry_out_held();
    void changed(bool moved);
    /// Carry out what waits for the window's questions to be answered (told
    /// messages, handed files) in the event loop's next turn, one by one
    /// while no question is open.
    void deliver_soon();
    void deliver();

    Controller m_controller;
    Poster m_poster;
    SessionWindow* m_window = nullptr;
    ListenerId m_last_id = 0;
    Listeners<Listener> m_listeners;
    Listeners<std::function<void()>> m_settings_listeners;
    std::string m_global_keys_note;
    GlobalKeysPath m_global_keys_path = GlobalKeysPath::Grabbed;
    NoteListener m_note_listener;
    Listeners<KeysTrial> m_keys_trials;
    Listeners<LearnRequest> m_learn_listeners;
    std::function<void(int)> m_learned;
    Listeners<LearnRequest> m_keypad_learn_listeners;
    std::function<void(int)> m_keypad_learned;
    int m_questions = 0;
    std::deque<std::function<void()>> m_waiting; ///< for no question to be open
    bool m_delivery_posted = false;
    int m_tick_period_ms = second_ms;
    /// When the controller's tick last came due: its countdown counts seconds
    /// of the clock, however late the front end's timer fires.
    std::chrono::steady_clock::time_point m_second_began = std::chrono::steady_clock::now();
    long long m_ticked_ms = 0; ///< of ticks, by their periods, all told
    struct Held
    {
        Request request;
        long long at_ms; ///< m_ticked_ms when it began to wait
        /// The sender's, told once it is carried out or refused; it is
        /// never told "done" for what did not reach the player. (Its sender
        /// was told it began, and waits for the answer.)
        Answer answered;
    };
    std::deque<Held> m_held; ///< for the player to answer
};

} // namespace cuedeck

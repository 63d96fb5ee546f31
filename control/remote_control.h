#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "control/commands.h"

namespace cuedeck {

class Controller;

/// The window as commands from outside it see it: it tells whether it waits
/// for an answer or is ending, comes forward, and carries out its own
/// commands (Exit among them).
class RemoteWindow : public WindowCommands
{
public:
    /// Whether one of its questions, messages, choosers or dialogs waits for an answer.
    virtual bool asking() const = 0;
    /// Whether the run is ending or has ended.
    virtual bool ending() const = 0;
    /// Show the window and bring it to the front.
    virtual void come_forward() = 0;
    /// Tell the user something that needs no answer, in a message of the window.
    virtual void tell(const std::string& text) = 0;
};

/// Why a command from outside the window is not carried out now; empty when
/// it may be. As with the keys, none runs while the window asks something
/// (it would run inside the question, beside the command that asked it), nor
/// while the run ends.
std::string remote_refusal(bool asking, bool ending);

/// Commands from outside the window (the desktop's media interface, a later
/// start of the program) carried out as their keys are, under the same rule;
/// and every change of the run, told to whoever follows it.
class RemoteControl
{
public:
    RemoteControl(Controller& controller, RemoteWindow& window)
        : m_controller(controller), m_window(window)
    {
    }

    /// Empty when carried out, else why not.
    std::string carry_out(Command command);
    /// Go to the first place in `text`; empty when done, else why not.
    std::string go_to_place(const std::string& text);
    /// `action` on the run, as a command; `moves`: it may jump within the tip.
    std::string carry_out(const std::function<void(Controller&)>& action, bool moves);
    void come_forward() { m_window.come_forward(); }

    const Controller& controller() const { return m_controller; }
    /// The position in the tip now, asked of the player.
    int position_now();

    using Listener = std::function<void(bool moved)>;
    /// Hear of every change: after each tick (`moved` false) and each command
    /// (`moved`: it may have jumped within the tip). A listener must stay
    /// as long as the window runs.
    void listen(Listener listener) { m_listeners.push_back(std::move(listener)); }
    /// The window calls this after each tick and each of its own commands.
    void changed(bool moved);

    /// What the desktop says of the keys for every window (taken keys, or
    /// none offered), for the Options dialog; empty when all is well.
    const std::string& global_keys_note() const { return m_global_keys_note; }
    /// Whether this desktop offers keys for every window at all.
    bool global_keys_offered() const { return m_global_keys_offered; }
    void set_global_keys_note(std::string note, bool offered = true);
    /// Hear of each new note, while the Options dialog shows it; none to stop.
    using NoteListener = std::function<void(const std::string& note)>;
    void follow_global_keys_note(NoteListener listener) { m_note_listener = std::move(listener); }
    /// The Options dialog's choice tried out before OK, so that a key another
    /// program holds is named as it is chosen (`choice`, see GlobalKeys);
    /// none: back to the run's own choice.
    using KeysTrial = std::function<void(std::optional<int> choice)>;
    void set_global_keys_trial(KeysTrial trial) { m_keys_trial = std::move(trial); }
    void try_global_keys(std::optional<int> choice);

    /// What the window's status says of a device beside the player.
    void show_device_state(const std::string& text);
    /// A message for the user, unless a question is open (the status says
    /// enough then).
    void tell(const std::string& text);

    /// The Options dialog's Learn: `pressed` hears the code of each button
    /// pressed on `device` until learning stops. Nothing happens where no
    /// pedal reader is there to ask.
    using PressedCode = std::function<void(int code)>;
    using PedalLearner = std::function<void(const std::string& device, PressedCode pressed)>;
    void set_pedal_learner(PedalLearner learner) { m_pedal_learner = std::move(learner); }
    void learn_pedal_buttons(const std::string& device, PressedCode pressed);
    void stop_learning_pedal();

private:
    Controller& m_controller;
    RemoteWindow& m_window;
    std::vector<Listener> m_listeners;
    std::string m_global_keys_note;
    bool m_global_keys_offered = true;
    NoteListener m_note_listener;
    KeysTrial m_keys_trial;
    PedalLearner m_pedal_learner;
};

} // namespace cuedeck

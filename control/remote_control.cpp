#include "control/remote_control.h"

#include "control/controller.h"

namespace cuedeck {

std::string remote_refusal(bool asking, bool ending)
{
    if (ending)
        return "Cuedeck is closing";
    if (asking)
        return "Cuedeck is waiting for an answer in one of its dialogs";
    return {};
}

std::string RemoteControl::carry_out(Command command)
{
    return carry_out(
        [this, command](Controller& controller) {
            cuedeck::carry_out(controller, m_window, command);
        },
        moves_position(command));
}

std::string RemoteControl::carry_out(const std::function<void(Controller&)>& action, bool moves)
{
    if (std::string refusal = remote_refusal(m_window.asking(), m_window.ending());
        !refusal.empty())
        return refusal;
    action(m_controller);
    if (!m_window.ending())
        changed(moves);
    return {};
}

int RemoteControl::position_now()
{
    return m_controller.position_now();
}

void RemoteControl::changed(bool moved)
{
    for (const Listener& listener : m_listeners)
        listener(moved);
}

std::string RemoteControl::go_to_place(const std::string& text)
{
    std::string why;
    std::string refusal = carry_out(
        [&why, &text](Controller& controller) { why = controller.go_to_place(text, false); }, true);
    if (!refusal.empty())
        return refusal; // the open question or the closing is there to see
    // Shown in the window too, as Go To Place shows it: whoever sent it (an
    // editor's macro, a desktop shortcut) may show the user nothing.
    if (!why.empty())
        tell(why);
    return why;
}

void RemoteControl::set_global_keys_note(std::string note, bool offered)
{
    m_global_keys_note = std::move(note);
    m_global_keys_offered = offered;
    if (m_note_listener)
        m_note_listener(m_global_keys_note);
}

void RemoteControl::try_global_keys(std::optional<int> choice)
{
    if (m_keys_trial)
        m_keys_trial(choice);
}

void RemoteControl::show_device_state(const std::string& text)
{
    m_controller.show_device_state(text);
}

void RemoteControl::tell(const std::string& text)
{
    if (!m_window.asking() && !m_window.ending())
        m_window.tell(text);
}

void RemoteControl::learn_pedal_buttons(const std::string& device, PressedCode pressed)
{
    if (m_pedal_learner)
        m_pedal_learner(device, std::move(pressed));
}

void RemoteControl::stop_learning_pedal()
{
    if (m_pedal_learner)
        m_pedal_learner({}, {});
}

} // namespace cuedeck

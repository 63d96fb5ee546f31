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

} // namespace cuedeck

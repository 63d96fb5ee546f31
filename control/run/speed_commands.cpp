// The controller's speed commands.
#include "base/translation.h"
#include "control/run/controller.h"
#include "control/state/speed.h"

namespace cuedeck {

void Controller::set_speed(int percent)
{
    if (!m_state.speed_control)
        return;
    m_state.speed = speed::bounded(percent);
    m_player.set_speed(m_state.speed);
    show_speed_state();
}

void Controller::show_speed_state()
{
    // Nothing heard comes first; a speed other than normal still shows.
    m_shown_no_sound_device = m_last_status.no_sound_device;
    const std::string speed = speed::text(m_state.speed);
    std::string text = m_shown_no_sound_device ? translated(no_sound_device) : speed;
    if (m_shown_no_sound_device && !speed.empty())
        text += ", " + std::to_string(m_state.speed) + " %";
    m_view->set_field_text(FieldId::Speed, text);
}

void Controller::slower()
{
    set_speed(speed::slower(m_state.speed));
    m_view->return_focus();
}

void Controller::faster()
{
    set_speed(speed::faster(m_state.speed));
    m_view->return_focus();
}

void Controller::normal_speed()
{
    set_speed(speed::normal);
    m_view->return_focus();
}

} // namespace cuedeck

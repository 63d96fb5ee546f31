#include "control/session/pedal_run.h"

#include <memory>

#include "base/translation.h"
#include "control/state/run_state.h"

namespace cuedeck {

namespace {

/// A side pedal steps by cue where the settings ask it to and the tip has
/// a draft, else by 5 seconds.
Command command_of(PedalAction action, const RunState& state)
{
    const bool by_cue = state.settings.pedal_cues != 0 && state.drafted;
    switch (action) {
    case PedalAction::Play:
        return Command::Play;
    case PedalAction::Pause:
        return Command::Pause;
    case PedalAction::PlayPause:
        break;
    case PedalAction::Back:
        return by_cue ? Command::PreviousCue : Command::Back5Seconds;
    case PedalAction::Forward:
        return by_cue ? Command::NextCue : Command::Forward5Seconds;
    }
    return Command::PlayPause;
}

} // namespace

PedalRun::PedalRun(SessionPort& session, PedalDevice& device)
    : m_session(session), m_device(device), m_self(std::make_shared<PedalRun*>(this))
{
    m_listening = {
        m_session.listen_to_pedal_learning(
            [this](const std::optional<std::string>& path) { learn(path); }),
        m_session.listen_to_settings([this] { follow(); }),
    };
}

PedalRun::~PedalRun()
{
    *m_self = nullptr;
    for (const SessionPort::ListenerId id : m_listening)
        m_session.stop_listening(id);
}

std::optional<PedalButtons> PedalRun::buttons() const
{
    return m_session.state().settings.pedal_buttons;
}

void PedalRun::follow()
{
    if (m_learning)
        return;
    const RunState& state = m_session.state();
    const auto codes = state.settings.pedal_buttons;
    const std::string path = codes ? state.settings.pedal_device : std::string();
    const PedalMode mode = state.settings.pedal_mode;
    if (path == m_path && (!codes || (m_logic && m_logic == PedalLogic(*codes, mode))))
        return;
    m_device.close();
    m_path = path;
    m_logic.reset();
    if (codes)
        m_logic.emplace(*codes, mode);
    if (!m_path.empty())
        m_device.open(m_path);
}

void PedalRun::opened()
{
    m_device.set_reading(reading_allowed());
    m_session.show_device_state({});
}

void PedalRun::unplugged()
{
    m_device.set_repeating(false);
    if (m_logic)
        act(m_logic->release_all());
    m_session.show_device_state(translated(disconnected));
}

void PedalRun::changed(int code, bool down)
{
    if (m_learning) {
        if (down)
            m_session.pedal_button_learned(code);
        return;
    }
    if (!m_logic)
        return;
    act(m_logic->change(code, down));
    m_device.set_repeating(m_logic->repeating());
}

void PedalRun::repeat()
{
    if (m_logic && !m_learning)
        act(m_logic->repeat());
}

void PedalRun::act(std::optional<PedalAction> action)
{
    if (!action)
        return;
    // Carried out from the event loop, not from inside the reading; the
    // device waits meanwhile, so that a flood stays in it, not in our queue.
    ++m_pending;
    m_device.set_reading(false);
    m_session.submit_later({command_of(*action, m_session.state())},
                           [self = std::weak_ptr<PedalRun*>(m_self)](const std::string&) {
                               if (const auto alive = self.lock(); alive && *alive)
                                   (*alive)->acted();
                           });
}

void PedalRun::acted()
{
    if (--m_pending == 0)
        m_device.set_reading(true);
}

void PedalRun::learn(const std::optional<std::string>& path)
{
    m_learning = path.has_value();
    if (!m_learning) {
        // Learning is over: back to the settings' pedal.
        m_path.clear();
        m_logic.reset();
        m_device.close();
        follow();
        return;
    }
    if (*path != m_path || !m_device.is_open()) {
        m_device.close();
        m_path = *path;
        m_device.open(m_path);
    }
}

} // namespace cuedeck

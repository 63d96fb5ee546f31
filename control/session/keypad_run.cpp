#include "control/session/keypad_run.h"

#include "base/translation.h"
#include "control/state/run_state.h"

namespace cuedeck {

KeypadRun::KeypadRun(SessionPort& session, PedalDevice& device)
    : m_session(session), m_device(device), m_self(std::make_shared<KeypadRun*>(this))
{
    m_listening = {
        m_session.listen_to_keypad_learning(
            [this](const std::optional<std::string>& path) { learn(path); }),
        m_session.listen_to_settings([this] { follow(); }),
    };
}

KeypadRun::~KeypadRun()
{
    *m_self = nullptr;
    for (const SessionPort::ListenerId id : m_listening)
        m_session.stop_listening(id);
}

std::vector<int> KeypadRun::codes() const
{
    return m_logic ? m_logic->codes() : std::vector<int>();
}

void KeypadRun::follow()
{
    if (m_learning)
        return;
    const Settings& settings = m_session.state().settings;
    const KeypadLogic logic(settings.keypad_keys);
    if (settings.keypad_device == m_path && m_logic == logic)
        return;
    // A "play while held" key down now is let go first.
    if (m_logic)
        act(m_logic->release_all());
    m_logic = logic;
    if (settings.keypad_device != m_path) {
        m_device.close();
        m_path = settings.keypad_device;
        show_state({});
        if (!m_path.empty())
            m_device.open(m_path);
    }
}

void KeypadRun::show_state(const std::string& text)
{
    // The status is shared with the pedal: what the keypad did not say
    // stays.
    if (text.empty() && !m_showing)
        return;
    m_showing = !text.empty();
    m_session.show_device_state(text);
}

void KeypadRun::opened()
{
    m_device.set_reading(reading_allowed());
    show_state({});
}

void KeypadRun::unplugged()
{
    if (m_logic)
        act(m_logic->release_all());
    show_state(translated(disconnected));
}

void KeypadRun::key(int code, KeyRecord::State state)
{
    if (m_learning) {
        if (state == KeyRecord::Down)
            m_session.keypad_key_learned(code);
        return;
    }
    if (m_logic)
        act(m_logic->key(code, state));
}

void KeypadRun::act(std::optional<Command> command)
{
    if (!command)
        return;
    // Carried out from the event loop; the device waits meanwhile, so that a
    // flood (or a held key's repeats) stays in it, not in our queue.
    ++m_pending;
    m_device.set_reading(false);
    m_session.submit_later({*command},
                           [self = std::weak_ptr<KeypadRun*>(m_self)](const std::string&) {
                               if (const auto alive = self.lock(); alive && *alive)
                                   (*alive)->acted();
                           });
}

void KeypadRun::acted()
{
    if (--m_pending == 0)
        m_device.set_reading(true);
}

void KeypadRun::learn(const std::optional<std::string>& path)
{
    m_learning = path.has_value();
    if (!m_learning) {
        // Learning is over: back to the settings' keypad.
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

#include "desktop/global_keys.h"

#include <QGuiApplication>

#include <cstdio>

#include "control/state/run_state.h"
#include "desktop/global_keys_portal.h"
#include "desktop/global_keys_x11.h"

namespace cuedeck {

std::unique_ptr<KeyGrab> desktop_key_grab(QObject* parent)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == "xcb")
        return X11KeyGrab::open(parent);
    // The portal says itself, by failing, when this desktop has none.
    if (platform.startsWith("wayland") && QDBusConnection::sessionBus().isConnected())
        return std::make_unique<PortalKeyGrab>(QDBusConnection::sessionBus(), parent);
    return nullptr;
}

GlobalKeysSwitch::GlobalKeysSwitch(SessionPort& session, std::unique_ptr<KeyGrab> grab)
    : m_session(session), m_grab(std::move(grab))
{
    if (m_grab) {
        m_path = m_grab->path();
        connect(m_grab.get(), &KeyGrab::pressed, this, [this](Command command) {
            // From the event loop, not from inside the reading of the device.
            m_session.submit_later({command});
        });
        connect(m_grab.get(), &KeyGrab::noted, this,
                [this](const QString& text) { note(text.toStdString()); });
        connect(m_grab.get(), &KeyGrab::refused, this, [this] {
            m_path = GlobalKeysPath::NotOffered;
            note({});
        });
    }
    note({});
    m_listening = {m_session.listen_to_keys_trial([this](std::optional<int> choice) {
                       m_trying = choice.has_value();
                       if (choice)
                           choose(global_keys_from(*choice));
                       else
                           follow();
                   }),
                   m_session.listen_to_settings([this] { follow(); })};
    follow();
}

GlobalKeysSwitch::~GlobalKeysSwitch()
{
    for (const SessionPort::ListenerId id : m_listening)
        m_session.stop_listening(id);
    if (m_grab)
        m_grab->give_back();
}

void GlobalKeysSwitch::follow()
{
    if (!m_trying)
        choose(m_session.state().settings.global_keys);
}

void GlobalKeysSwitch::choose(GlobalKeys wanted)
{
    if (wanted == m_choice || m_path == GlobalKeysPath::NotOffered)
        return;
    m_choice = wanted;
    m_grab->give_back();
    note({});
    if (wanted != GlobalKeys::Off)
        m_grab->take(global_key_table(), wanted);
}

void GlobalKeysSwitch::note(const std::string& text)
{
    m_session.set_global_keys_note(text, m_path);
    // Said once on the standard error too, for a start from a terminal.
    if (!text.empty() && text != m_told)
        std::fprintf(stderr, "cuedeck: %s\n", text.c_str());
    m_told = text;
}

} // namespace cuedeck

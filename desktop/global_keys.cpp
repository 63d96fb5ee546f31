#include "desktop/global_keys.h"

#include <QGuiApplication>
#include <QTimer>

#include <cstdio>

#include "control/controller.h"
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

GlobalKeysSwitch::GlobalKeysSwitch(RemoteControl& remote, std::unique_ptr<KeyGrab> grab)
    : m_remote(remote), m_grab(std::move(grab))
{
    if (m_grab) {
        connect(m_grab.get(), &KeyGrab::pressed, this, [this](Command command) {
            // From the event loop, not from inside the reading of the device.
            QTimer::singleShot(0, this, [this, command] { m_remote.carry_out(command); });
        });
        connect(m_grab.get(), &KeyGrab::noted, this,
                [this](const QString& text) { note(text.toStdString()); });
    } else {
        note(no_global_keys_note);
    }
    m_remote.set_global_keys_trial([this](std::optional<int> choice) {
        m_trying = choice.has_value();
        if (choice)
            choose(global_keys_from(*choice));
        else
            follow();
    });
    m_remote.listen([this](bool) { follow(); });
    follow();
}

GlobalKeysSwitch::~GlobalKeysSwitch()
{
    m_remote.set_global_keys_trial({});
    if (m_grab)
        m_grab->give_back();
}

void GlobalKeysSwitch::follow()
{
    if (!m_trying)
        choose(global_keys_from(m_remote.controller().state().global_keys));
}

void GlobalKeysSwitch::choose(GlobalKeys wanted)
{
    if (wanted == m_choice || !m_grab)
        return;
    m_choice = wanted;
    m_grab->give_back();
    note({});
    if (wanted != GlobalKeys::Off)
        m_grab->take(global_key_table(), wanted);
}

void GlobalKeysSwitch::note(const std::string& text)
{
    m_remote.set_global_keys_note(text, text != no_global_keys_note);
    // Said once on the standard error too, for a start from a terminal.
    if (!text.empty() && text != m_told && text != no_global_keys_note)
        std::fprintf(stderr, "cuedeck: %s\n", text.c_str());
    m_told = text;
}

} // namespace cuedeck

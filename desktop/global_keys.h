#pragma once

#include <QObject>

#include <memory>
#include <string>
#include <vector>

#include "control/commands/global_keys.h"
#include "control/session/session_port.h"

namespace cuedeck {

/// One way a desktop lends a program keys that act in every window: X11's
/// passive grabs, or the desktop portal's global shortcuts.
class KeyGrab : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    /// Take `keys` under the choice. What cannot be taken is told by
    /// noted(), now or later.
    virtual void take(const std::vector<KeyBinding>& keys, GlobalKeys choice) = 0;
    /// Give every key back.
    virtual void give_back() = 0;
    /// How this grab comes by the keys.
    virtual GlobalKeysPath path() const = 0;

signals:
    /// A taken key went down (again, while held, as the keyboard repeats),
    /// or a held shortcut went down or up.
    void pressed(cuedeck::Command command);
    /// What the user should know of the keys taken; empty when all is well.
    void noted(const QString& note);
    /// The desktop offers no keys after all (no portal answers).
    void refused();
};

/// The grab this session's desktop offers, or none (then the Options dialog
/// says so).
std::unique_ptr<KeyGrab> desktop_key_grab(QObject* parent);

/// Keeps the keys for every window as the run's settings choose them, and
/// carries out their commands on the run as other remote commands are: from
/// the event loop, refused while the window asks something.
class GlobalKeysSwitch : public QObject
{
    Q_OBJECT

public:
    /// `grab`: none where the desktop offers no keys for every window.
    GlobalKeysSwitch(SessionPort& session, std::unique_ptr<KeyGrab> grab);
    ~GlobalKeysSwitch() override;

private:
    /// Take or give back the keys for the run's choice.
    void follow();
    /// Take or give back the keys for `wanted`.
    void choose(GlobalKeys wanted);
    /// Tell the session, and the standard error once, what the user should know.
    void note(const std::string& text);

    SessionPort& m_session;
    std::vector<SessionPort::ListenerId> m_listening;
    std::unique_ptr<KeyGrab> m_grab;
    GlobalKeys m_choice = GlobalKeys::Off;
    GlobalKeysPath m_path = GlobalKeysPath::NotOffered;
    bool m_trying = false; ///< the Options dialog tries a choice out
    std::string m_told;    ///< the last note told on the standard error
};

} // namespace cuedeck

#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include <map>
#include <memory>
#include <optional>

#include "desktop/global_keys.h"

class QDBusArgument;
class QDBusPendingCallWatcher;

namespace cuedeck {

/// One shortcut as the portal takes and gives them: (sa{sv}).
struct PortalShortcut
{
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut);

/// Keys for every window where the desktop portal lends them (Wayland): a
/// global shortcuts session, the keys bound as the shortcuts' preferred
/// triggers (the desktop lets the user confirm or change them), and their
/// activations. The desktop keeps what the user chose across runs: a run
/// binds only when the portal lacks some of Cuedeck's shortcuts, so that the
/// user is asked once. Beside the keys, "Play while held" plays on its press
/// and pauses on its release. Every call is asynchronous: the answers come
/// by signals.
class PortalKeyGrab : public KeyGrab
{
    Q_OBJECT

public:
    explicit PortalKeyGrab(QDBusConnection bus, QObject* parent = nullptr);
    ~PortalKeyGrab() override;

    void take(const std::vector<KeyBinding>& keys, GlobalKeys choice) override;
    void give_back() override;
    GlobalKeysPath path() const override { return GlobalKeysPath::Lent; }

    /// How long a held key waits before it repeats, and how often it then does.
    static constexpr int repeat_delay_ms = 500;
    static constexpr int repeat_interval_ms = 50;

private slots:
    void responded(uint response, const QVariantMap& results, const QDBusMessage& message);
    void activated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                   const QVariantMap& options);
    void deactivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                     const QVariantMap& options);

private:
    enum class Step { None, CreatingSession, Listing, Binding, Bound };

    /// A portal request: its answer comes as a Response signal on this path.
    QString expect_response(const QString& token);
    /// Call the portal; its answer comes by Response at `step`.
    void ask(const QDBusMessage& call, const QString& token, Step step);
    void list();
    void bind();
    /// The shortcuts the desktop holds for the session: bound, unless some
    /// of ours are missing and `may_bind`.
    void listed(uint response, const QVariantMap& results, bool may_bind);
    /// The portal could not be reached or refused: say what this desktop offers.
    void unavailable();
    void close_session();

    QDBusConnection m_bus;
    Step m_step = Step::None;
    QString m_request_path;
    QString m_session;
    int m_next_token = 0;
    /// Whether the portal answers at all, asked once without asking the user.
    void probe();

    std::vector<KeyBinding> m_keys;
    GlobalKeys m_choice = GlobalKeys::Off;
    /// The shortcut held down, repeated while it is.
    std::optional<Command> m_held;
    bool m_playing_held = false; ///< "Play while held" is down
    QTimer m_repeat;
};

} // namespace cuedeck

Q_DECLARE_METATYPE(cuedeck::PortalShortcut)

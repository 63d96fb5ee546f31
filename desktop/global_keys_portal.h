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
/// activations. Every call is asynchronous: the answers come by signals.
class PortalKeyGrab : public KeyGrab
{
    Q_OBJECT

public:
    explicit PortalKeyGrab(QDBusConnection bus, QObject* parent = nullptr);
    ~PortalKeyGrab() override;

    void take(const std::vector<KeyBinding>& keys, GlobalKeys choice) override;
    void give_back() override;

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
    enum class Step { None, CreatingSession, Binding, Bound };

    /// A portal request: its answer comes as a Response signal on this path.
    QString expect_response(const QString& token);
    /// Call the portal; its answer comes by Response at `step`.
    void ask(const QDBusMessage& call, const QString& token, Step step);
    void bind();
    /// The portal could not be reached or refused: say what this desktop offers.
    void unavailable();
    void close_session();

    QDBusConnection m_bus;
    Step m_step = Step::None;
    QString m_request_path;
    QString m_session;
    int m_next_token = 0;
    std::vector<KeyBinding> m_keys;
    GlobalKeys m_choice = GlobalKeys::Off;
    /// The shortcut held down, repeated while it is.
    std::optional<Command> m_held;
    QTimer m_repeat;
};

} // namespace cuedeck

Q_DECLARE_METATYPE(cuedeck::PortalShortcut)

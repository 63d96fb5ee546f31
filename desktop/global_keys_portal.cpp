#include "desktop/global_keys_portal.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <algorithm>
#include <utility>

#include "base/translation.h"

namespace cuedeck {

namespace {

constexpr const char* portal_service = "org.freedesktop.portal.Desktop";
constexpr const char* portal_path = "/org/freedesktop/portal/desktop";
constexpr const char* shortcuts_interface = "org.freedesktop.portal.GlobalShortcuts";
constexpr const char* request_interface = "org.freedesktop.portal.Request";
constexpr const char* session_interface = "org.freedesktop.portal.Session";
constexpr const char* properties_interface = "org.freedesktop.DBus.Properties";

/// The shortcut's id: the key's name, "F8", unique where two keys share a command.
QString shortcut_id(Key key)
{
    return QString::fromUtf8(key_name(key));
}

/// A trigger as desktops write them: "F8", "CTRL+SHIFT+F8".
QString trigger(Key key, GlobalKeys choice)
{
    return QString(choice == GlobalKeys::WithCtrlShift ? "CTRL+SHIFT+" : "") + key_name(key);
}

} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

PortalKeyGrab::PortalKeyGrab(QDBusConnection bus, QObject* parent)
    : KeyGrab(parent), m_bus(std::move(bus))
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    m_repeat.setInterval(repeat_interval_ms);
    connect(&m_repeat, &QTimer::timeout, this, [this] {
        m_repeat.setInterval(repeat_interval_ms);
        if (m_held)
            emit pressed(*m_held);
    });
    // The slots' types are found by name: each must be known before.
    qRegisterMetaType<QDBusObjectPath>();
    m_bus.connect(portal_service, portal_path, shortcuts_interface, "Activated", this,
                  SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    m_bus.connect(portal_service, portal_path, shortcuts_interface, "Deactivated", this,
                  SLOT(deactivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    probe();
}

void PortalKeyGrab::probe()
{
    // Its version is read without a dialog, so that the Options dialog can
    // say before any choice whether this desktop lends keys.
    QDBusMessage call =
        QDBusMessage::createMethodCall(portal_service, portal_path, properties_interface, "Get");
    call << QString(shortcuts_interface) << QString("version");
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (finished->isError())
                    emit refused();
            });
}

PortalKeyGrab::~PortalKeyGrab()
{
    close_session();
}

QString PortalKeyGrab::expect_response(const QString& token)
{
    // The request's path is known before the call, so that its answer
    // cannot come before we listen for it.
    QString sender = m_bus.baseService().mid(1);
    sender.replace('.', '_');
    if (!m_request_path.isEmpty())
        m_bus.disconnect(portal_service, m_request_path, request_interface, "Response", this,
                         SLOT(responded(uint, QVariantMap, QDBusMessage)));
    m_request_path = QString("%1/request/%2/%3").arg(portal_path, sender, token);
    m_bus.connect(portal_service, m_request_path, request_interface, "Response", this,
                  SLOT(responded(uint, QVariantMap, QDBusMessage)));
    return m_request_path;
}

void PortalKeyGrab::take(const std::vector<KeyBinding>& keys, GlobalKeys choice)
{
    give_back();
    m_keys = keys;
    m_choice = choice;
    const QString token = QString("cuedeck%1").arg(++m_next_token);
    QDBusMessage call = QDBusMessage::createMethodCall(portal_service, portal_path,
                                                       shortcuts_interface, "CreateSession");
    call << QVariantMap{{"handle_token", token}, {"session_handle_token", token}};
    ask(call, token, Step::CreatingSession);
}

void PortalKeyGrab::list()
{
    const QString token = QString("cuedeck%1").arg(++m_next_token);
    QDBusMessage call = QDBusMessage::createMethodCall(portal_service, portal_path,
                                                       shortcuts_interface, "ListShortcuts");
    call << QVariant::fromValue(QDBusObjectPath(m_session)) << QVariantMap{{"handle_token", token}};
    ask(call, token, Step::Listing);
}

void PortalKeyGrab::bind()
{
    QList<PortalShortcut> shortcuts;
    for (const KeyBinding& binding : m_keys) {
        const char* name = command_row(binding.command).name;
        shortcuts.push_back({shortcut_id(binding.key),
                             {{"description", QString("Cuedeck: %1").arg(name)},
                              {"preferred_trigger", trigger(binding.key, m_choice)}}});
    }
    // No key of its own: the desktop's dialog lets the user give it one.
    shortcuts.push_back(
        {play_while_held.id,
         {{"description",
           QString::fromStdString("Cuedeck: " + translated(play_while_held.description))}}});
    const QString token = QString("cuedeck%1").arg(++m_next_token);
    QDBusMessage call = QDBusMessage::createMethodCall(portal_service, portal_path,
                                                       shortcuts_interface, "BindShortcuts");
    call << QVariant::fromValue(QDBusObjectPath(m_session)) << QVariant::fromValue(shortcuts)
         << QString() << QVariantMap{{"handle_token", token}};
    ask(call, token, Step::Binding);
}

void PortalKeyGrab::ask(const QDBusMessage& call, const QString& token, Step step)
{
    expect_response(token);
    m_step = step;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, step](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                // The portal is not there, or refused the call itself.
                if (finished->isError() && m_step == step)
                    unavailable();
            });
}

void PortalKeyGrab::responded(uint response, const QVariantMap& results, const QDBusMessage&)
{
    // 0: done; 1: the user cancelled; 2: ended otherwise.
    switch (m_step) {
    case Step::CreatingSession: {
        const QVariant handle = results.value("session_handle");
        m_session = handle.canConvert<QDBusObjectPath>() && handle.userType() != QMetaType::QString
                        ? handle.value<QDBusObjectPath>().path()
                        : handle.toString();
        if (response != 0 || m_session.isEmpty())
            unavailable();
        else
            list();
        return;
    }
    case Step::Listing:
        listed(response, results, true);
        return;
    case Step::Binding:
        listed(response, results, false);
        return;
    case Step::None:
    case Step::Bound:
        return;
    }
}

void PortalKeyGrab::listed(uint response, const QVariantMap& results, bool may_bind)
{
    QList<PortalShortcut> held;
    if (response == 0 && results.contains("shortcuts"))
        results.value("shortcuts").value<QDBusArgument>() >> held;
    auto holds = [&held](const QString& id) {
        return std::any_of(held.begin(), held.end(),
                           [&id](const PortalShortcut& shortcut) { return shortcut.id == id; });
    };
    // Binding again would ask the user again: only for what the desktop lacks.
    const bool missing = !holds(play_while_held.id) ||
                         std::any_of(m_keys.begin(), m_keys.end(),
                                     [&](auto& key) { return !holds(shortcut_id(key.key)); });
    if (missing && may_bind) {
        bind();
        return;
    }
    m_step = Step::Bound;
    // The keys the desktop did not bind (the user left them unset, or they
    // are another program's) are named as taken.
    std::vector<Key> taken;
    for (const KeyBinding& binding : m_keys) {
        if (!holds(shortcut_id(binding.key)))
            taken.push_back(binding.key);
    }
    emit noted(QString::fromStdString(taken_keys_note(taken, m_choice)));
}

void PortalKeyGrab::activated(const QDBusObjectPath& session, const QString& id, qulonglong,
                              const QVariantMap&)
{
    if (m_step != Step::Bound || session.path() != m_session)
        return;
    if (id == play_while_held.id) {
        m_playing_held = true;
        emit pressed(play_while_held.pressed);
        return;
    }
    for (const KeyBinding& binding : m_keys) {
        if (shortcut_id(binding.key) == id) {
            m_held = binding.command;
            emit pressed(binding.command);
            m_repeat.start(repeat_delay_ms);
            return;
        }
    }
}

void PortalKeyGrab::deactivated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                const QVariantMap&)
{
    if (session.path() != m_session)
        return;
    if (id == play_while_held.id) {
        if (std::exchange(m_playing_held, false))
            emit pressed(play_while_held.released);
        return;
    }
    m_held.reset();
    m_repeat.stop();
}

void PortalKeyGrab::unavailable()
{
    m_step = Step::None;
    emit refused();
}

void PortalKeyGrab::close_session()
{
    m_held.reset();
    m_playing_held = false;
    m_repeat.stop();
    if (!m_session.isEmpty())
        m_bus.asyncCall(
            QDBusMessage::createMethodCall(portal_service, m_session, session_interface, "Close"));
    m_session.clear();
    m_step = Step::None;
}

void PortalKeyGrab::give_back()
{
    close_session();
}

} // namespace cuedeck

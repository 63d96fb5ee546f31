// The desktop's devices apart from the window: the keys for every window
// through the desktop portal, against a stand-in portal on a private session
// bus (dbus-run-session): the session is made, the keys bound with their
// preferred triggers, an activation runs the key's command and repeats while
// held, and a desktop without the portal is named.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>

#include "desktop/global_keys_portal.h"
#include "support/controller_fixture.h"
#include "support/event_loop_poster.h"

namespace cuedeck::testing {
namespace {

constexpr const char* portal_path = "/org/freedesktop/portal/desktop";
constexpr const char* shortcuts_interface = "org.freedesktop.portal.GlobalShortcuts";

using Bound = PortalShortcut;

/// The portal's part, on a bus connection of its own: it answers every
/// request at once, and binds every shortcut but those it is told the
/// desktop refuses.
class StandInPortal : public QDBusVirtualObject
{
public:
    explicit StandInPortal(QDBusConnection bus) : m_bus(std::move(bus))
    {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<Bound>>();
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.interface() != shortcuts_interface)
            return false;
        const QList<QVariant> arguments = message.arguments();
        const QVariantMap options = qdbus_cast<QVariantMap>(arguments.last());
        QString client = message.service().mid(1);
        client.replace('.', '_');
        const QString request =
            QString("%1/request/%2/%3")
                .arg(portal_path, client, options.value("handle_token").toString());
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QVariantMap results;
        if (message.member() == "CreateSession") {
            session =
                QString("%1/session/%2/%3")
                    .arg(portal_path, client, options.value("session_handle_token").toString());
            results["session_handle"] = session;
        } else if (message.member() == "BindShortcuts") {
            requested = qdbus_cast<QList<Bound>>(arguments.at(1));
            QList<Bound> bound;
            for (const Bound& shortcut : requested) {
                if (!refused.contains(shortcut.id))
                    bound.push_back({shortcut.id, {{"trigger_description", shortcut.id}}});
            }
            results["shortcuts"] = QVariant::fromValue(bound);
        } else {
            return false;
        }
        QDBusMessage response =
            QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response");
        response << 0u << results;
        connection.send(response);
        return true;
    }

    void send(const char* name, const QString& id)
    {
        QDBusMessage signal = QDBusMessage::createSignal(portal_path, shortcuts_interface, name);
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(0)
               << QVariantMap();
        m_bus.send(signal);
    }

    QString session;
    QList<Bound> requested;
    QStringList refused;

private:
    QDBusConnection m_bus;
};

struct Heard
{
    std::vector<Command> pressed;
    QStringList notes;
};

void listen(PortalKeyGrab& grab, Heard& heard)
{
    QObject::connect(&grab, &KeyGrab::pressed,
                     [&heard](Command command) { heard.pressed.push_back(command); });
    QObject::connect(&grab, &KeyGrab::noted,
                     [&heard](const QString& note) { heard.notes.push_back(note); });
}

TEST(PortalKeys, TheSessionBindsTheKeysAndAnActivationRunsItsCommandWhileHeld)
{
    QDBusConnection portal_bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
    ASSERT_TRUE(portal_bus.isConnected()) << "run under dbus-run-session";
    StandInPortal portal(portal_bus);
    portal.refused = {"F12"};
    ASSERT_TRUE(portal_bus.registerVirtualObject(portal_path, &portal));
    ASSERT_TRUE(portal_bus.registerService("org.freedesktop.portal.Desktop"));

    PortalKeyGrab grab(QDBusConnection::sessionBus());
    Heard heard;
    listen(grab, heard);
    grab.take(global_key_table(), GlobalKeys::WithCtrlShift);
    ASSERT_TRUE(served_until([&] { return !heard.notes.empty(); }));
    EXPECT_EQ(heard.notes.last().toStdString(), "Ctrl+Shift+F12 is taken by another program");
    ASSERT_EQ(portal.requested.size(), 9);
    EXPECT_EQ(portal.requested.front().id, "F4");
    EXPECT_EQ(portal.requested.front().properties.value("preferred_trigger").toString(),
              "CTRL+SHIFT+F4");

    portal.send("Activated", "F8");
    ASSERT_TRUE(served_until([&] { return heard.pressed.size() >= 3; })); // held: it repeats
    portal.send("Deactivated", "F8");
    portal.send("Activated", "F4");
    ASSERT_TRUE(served_until([&] { return heard.pressed.back() == Command::PlayPause; }));
    portal.send("Deactivated", "F4");
    EXPECT_THAT(std::vector(heard.pressed.begin(), heard.pressed.end() - 1),
                ::testing::Each(Command::Forward5Seconds));

    // Given back: the session is closed and activations are no longer ours.
    grab.give_back();
    const std::size_t before = heard.pressed.size();
    portal.send("Activated", "F5");
    portal.send("Deactivated", "F5");
    grab.take(global_key_table(), GlobalKeys::FunctionKeys); // a round trip after the signals
    ASSERT_TRUE(served_until([&] { return heard.notes.size() >= 2; }));
    EXPECT_EQ(heard.pressed.size(), before);
    portal_bus.unregisterService("org.freedesktop.portal.Desktop");
}

TEST(PortalKeys, WithoutThePortalTheDialogNamesTheAlternative)
{
    PortalKeyGrab grab(QDBusConnection::sessionBus());
    Heard heard;
    listen(grab, heard);
    grab.take(global_key_table(), GlobalKeys::FunctionKeys);
    ASSERT_TRUE(served_until([&] { return !heard.notes.empty(); }));
    EXPECT_EQ(heard.notes.last().toStdString(), no_global_keys_note);
}

} // namespace
} // namespace cuedeck::testing

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

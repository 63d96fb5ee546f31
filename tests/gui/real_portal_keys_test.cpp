// The keys for every window through Debian's own desktop portal
// (xdg-desktop-portal), behind it a stand-in for the desktop's part (its
// backend, org.freedesktop.impl.portal.GlobalShortcuts, with its Request and
// Session objects), on a private session bus that starts nothing by itself:
// what the real portal passes on and back, the bind asked once over two runs,
// and Play while held. Skipped where that portal is not installed or has no
// global shortcuts.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QFile>
#include <QProcess>

#include <memory>

#include "desktop/global_keys_portal.h"
#include "support/event_loop_poster.h"
#include "support/temp_dir.h"

namespace cuedeck::testing {
namespace {

constexpr const char* portal_service = "org.freedesktop.portal.Desktop";
constexpr const char* portal_path = "/org/freedesktop/portal/desktop";
constexpr const char* backend_service = "org.freedesktop.impl.portal.desktop.cuedeck_test";
constexpr const char* backend_interface = "org.freedesktop.impl.portal.GlobalShortcuts";
/// The desktop the portal is told it runs on, that picks our backend.
constexpr const char* desktop_name = "cuedeck-test";

/// The desktop's part behind the portal: it answers each call at once, binds
/// every shortcut it is asked to and keeps them from one run to the next.
class StandInBackend : public QDBusVirtualObject
{
public:
    explicit StandInBackend(QDBusConnection bus) : m_bus(std::move(bus))
    {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QString interface = message.interface();
        const QString member = message.member();
        const QList<QVariant> arguments = message.arguments();
        if (interface == "org.freedesktop.DBus.Properties") {
            if (member == "GetAll")
                connection.send(message.createReply(QVariantMap{{"version", 1u}}));
            else
                connection.send(message.createReply(QVariant::fromValue(QDBusVariant(1u))));
            return true;
        }
        if (member == "Close" && (interface == "org.freedesktop.impl.portal.Session" ||
                                  interface == "org.freedesktop.impl.portal.Request")) {
            closed.push_back(message.path());
            connection.send(message.createReply());
            return true;
        }
        if (interface != backend_interface || message.path() != portal_path)
            return false;
        asked.push_back(member);
        QVariantMap results;
        if (member == "CreateSession") {
            session = qdbus_cast<QDBusObjectPath>(arguments.at(1)).path();
        } else if (member == "ListShortcuts") {
            results["shortcuts"] = QVariant::fromValue(held);
        } else if (member == "BindShortcuts") {
            held.clear();
            for (const PortalShortcut& shortcut :
                 qdbus_cast<QList<PortalShortcut>>(arguments.at(2)))
                held.push_back({shortcut.id, {{"trigger_description", shortcut.id}}});
            results["shortcuts"] = QVariant::fromValue(held);
        } else {
            return false;
        }
        connection.send(message.createReply(QList<QVariant>{0u, results}));
        return true;
    }

    void send(const char* name, const QString& id)
    {
        QDBusMessage signal = QDBusMessage::createSignal(portal_path, backend_interface, name);
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(0)
               << QVariantMap();
        m_bus.send(signal);
    }

    int binds() const { return int(asked.count("BindShortcuts")); }

    QString session; ///< the last one made
    QStringList asked;
    QStringList closed;
    QList<PortalShortcut> held;

private:
    QDBusConnection m_bus;
};

/// The real portal, started with folders of the test's own, our backend the
/// one its desktop uses.
struct RealPortal
{
    RealPortal()
    {
        dir.write("portals/cuedeck_test.portal",
                  std::string("[portal]\nDBusName=") + backend_service +
                      "\nInterfaces=" + backend_interface + ";\nUseIn=" + desktop_name + "\n");
        // Read by the portal from 1.17 on; before, UseIn above picks it.
        const std::string preferred = "[preferred]\ndefault=cuedeck_test\n";
        dir.write("config/xdg-desktop-portal/portals.conf", preferred);
        dir.write(std::string("config/xdg-desktop-portal/") + desktop_name + "-portals.conf",
                  preferred);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString home = QString::fromStdString(dir.path());
        for (const auto& [name, folder] : {std::pair{"HOME", "home"},
                                           {"XDG_CONFIG_HOME", "config"},
                                           {"XDG_DATA_HOME", "data"},
                                           {"XDG_CACHE_HOME", "cache"},
                                           {"XDG_STATE_HOME", "state"},
                                           {"XDG_RUNTIME_DIR", "runtime"},
                                           {"XDG_DESKTOP_PORTAL_DIR", "portals"}}) {
            dir.write(std::string(folder) + "/.made", "");
            environment.insert(name, home + folder);
        }
        environment.insert("XDG_CURRENT_DESKTOP", desktop_name);
        process.setProcessEnvironment(environment);
        process.setProgram(CUEDECK_DESKTOP_PORTAL);
        process.setArguments({"--verbose"});
        process.setStandardOutputFile(home + "portal.log");
        process.setStandardErrorFile(home + "portal.log");
    }
    ~RealPortal()
    {
        process.kill();
        process.waitForFinished();
    }

    /// What the portal said, for a failure.
    QString log() const
    {
        QFile file(QString::fromStdString(dir.path()) + "portal.log");
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TempDir dir;
    QProcess process;
};

/// Whether the installed portal has the global shortcuts at all (1.16 on).
bool has_global_shortcuts()
{
    QFile program(CUEDECK_DESKTOP_PORTAL);
    return program.open(QIODevice::ReadOnly) &&
           program.readAll().contains("org.freedesktop.portal.GlobalShortcuts");
}

struct Heard
{
    std::vector<Command> pressed;
    QStringList notes;
    bool refused = false;
};

TEST(RealPortalKeys, ThePortalPassesTheSessionOnAndTheUserIsAskedOnce)
{
    if (!QFile::exists(CUEDECK_DESKTOP_PORTAL))
        GTEST_SKIP() << CUEDECK_DESKTOP_PORTAL << " is not installed (package xdg-desktop-portal)";
    if (!has_global_shortcuts())
        GTEST_SKIP() << "this xdg-desktop-portal has no global shortcuts (they came in 1.16)";

    QDBusConnection backend_bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, "backend");
    ASSERT_TRUE(backend_bus.isConnected()) << "run under dbus-run-session";
    StandInBackend backend(backend_bus);
    ASSERT_TRUE(backend_bus.registerVirtualObject(portal_path, &backend, QDBusConnection::SubPath));
    ASSERT_TRUE(backend_bus.registerService(backend_service)); // before the portal looks for it
    RealPortal portal;
    portal.process.start();
    ASSERT_TRUE(portal.process.waitForStarted());
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    ASSERT_TRUE(served_until([&] {
        return bus->servicePid(portal_service).value() == uint(portal.process.processId()) ||
               portal.process.state() == QProcess::NotRunning;
    }));
    ASSERT_EQ(portal.process.state(), QProcess::Running) << portal.log().toStdString();

    for (int run = 1; run <= 2; ++run) {
        PortalKeyGrab grab(QDBusConnection::sessionBus());
        Heard heard;
        QObject::connect(&grab, &KeyGrab::pressed,
                         [&heard](Command command) { heard.pressed.push_back(command); });
        QObject::connect(&grab, &KeyGrab::noted,
                         [&heard](const QString& note) { heard.notes.push_back(note); });
        QObject::connect(&grab, &KeyGrab::refused, [&heard] { heard.refused = true; });
        grab.take(global_key_table(), GlobalKeys::FunctionKeys);
        ASSERT_TRUE(served_until([&] { return !heard.notes.empty() || heard.refused; }));
        ASSERT_FALSE(heard.refused) << run << portal.log().toStdString();
        EXPECT_EQ(heard.notes.last().toStdString(), "") << run;
        EXPECT_EQ(backend.binds(), 1) << run; // the second run finds its shortcuts listed
        EXPECT_EQ(backend.held.size(), 10);

        backend.send("Activated", "F8");
        backend.send("Deactivated", "F8");
        backend.send("Activated", play_while_held.id);
        backend.send("Deactivated", play_while_held.id);
        ASSERT_TRUE(served_until([&] { return heard.pressed.size() >= 3; })) << run;
        EXPECT_EQ(heard.pressed,
                  (std::vector<Command>{Command::Forward5Seconds, Command::Play, Command::Pause}))
            << run;
    }
    EXPECT_EQ(backend.asked.join(' ').toStdString(),
              "CreateSession ListShortcuts BindShortcuts CreateSession ListShortcuts");
    // The first run's session was closed when it ended.
    EXPECT_TRUE(served_until([&] { return !backend.closed.isEmpty(); }));
}

} // namespace
} // namespace cuedeck::testing

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

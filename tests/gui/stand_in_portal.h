#pragma once

// A stand-in for the desktop portal's global shortcuts, as its documented
// interface has them (org.freedesktop.portal.GlobalShortcuts), for the tests
// and benchmarks that run on a private session bus.
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QStringList>

#include "desktop/global_keys_portal.h"

namespace cuedeck::testing {

constexpr const char* portal_service = "org.freedesktop.portal.Desktop";
constexpr const char* portal_path = "/org/freedesktop/portal/desktop";
constexpr const char* shortcuts_interface = "org.freedesktop.portal.GlobalShortcuts";

using Bound = PortalShortcut;

/// The portal's part, on a bus connection of its own: it answers every
/// request at once, binds every shortcut but those it is told the desktop
/// refuses, and keeps what it bound from one run to the next, as a desktop
/// keeps the user's choice.
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
        if (message.interface() == "org.freedesktop.DBus.Properties" && message.member() == "Get") {
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(1u))));
            return true;
        }
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
        asked.push_back(message.member());
        if (message.member() == "CreateSession") {
            session =
                QString("%1/session/%2/%3")
                    .arg(portal_path, client, options.value("session_handle_token").toString());
            results["session_handle"] = session;
        } else if (message.member() == "ListShortcuts") {
            results["shortcuts"] = QVariant::fromValue(held);
        } else if (message.member() == "BindShortcuts") {
            requested = qdbus_cast<QList<Bound>>(arguments.at(1));
            held.clear();
            for (const Bound& shortcut : requested) {
                if (!refused.contains(shortcut.id))
                    held.push_back({shortcut.id, {{"trigger_description", shortcut.id}}});
            }
            results["shortcuts"] = QVariant::fromValue(held);
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

    int binds() const { return int(asked.count("BindShortcuts")); }

    QString session;
    QStringList asked; ///< the methods called, in order
    QList<Bound> requested;
    QList<Bound> held; ///< bound for Cuedeck, kept across runs
    QStringList refused;

private:
    QDBusConnection m_bus;
};

/// The stand-in, on the private bus under the portal's name while it lives.
struct PortalOnBus
{
    PortalOnBus()
    {
        ok = bus.isConnected() && bus.registerVirtualObject(portal_path, &portal) &&
             bus.registerService(portal_service);
    }
    ~PortalOnBus()
    {
        bus.unregisterService(portal_service);
        bus.unregisterObject(portal_path);
    }

    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
    StandInPortal portal{bus};
    bool ok = false; ///< false off a session bus
};

} // namespace cuedeck::testing

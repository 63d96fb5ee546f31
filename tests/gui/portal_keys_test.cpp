// The desktop's devices apart from the window: the keys for every window
// through the desktop portal, against a stand-in portal on a private session
// bus (dbus-run-session): the session is made, the keys bound with their
// preferred triggers once (a later run finds them listed and asks no more),
// an activation runs the key's command and repeats while held, "Play while
// held" plays until its release, and a desktop without the portal is named.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>

#include "control/session/session.h"
#include "desktop/global_keys_portal.h"
#include "gui/stand_in_portal.h"
#include "support/controller_fixture.h"
#include "support/event_loop_poster.h"
#include "support/fake_session_window.h"

namespace cuedeck::testing {
namespace {

struct Heard
{
    std::vector<Command> pressed;
    QStringList notes;
    int refused = 0;
};

void listen(PortalKeyGrab& grab, Heard& heard)
{
    QObject::connect(&grab, &KeyGrab::pressed,
                     [&heard](Command command) { heard.pressed.push_back(command); });
    QObject::connect(&grab, &KeyGrab::noted,
                     [&heard](const QString& note) { heard.notes.push_back(note); });
    QObject::connect(&grab, &KeyGrab::refused, [&heard] { ++heard.refused; });
}

TEST(PortalKeys, TheSessionBindsTheKeysAndAnActivationRunsItsCommandWhileHeld)
{
    PortalOnBus on_bus;
    ASSERT_TRUE(on_bus.ok) << "run under dbus-run-session";
    StandInPortal& portal = on_bus.portal;
    portal.refused = {"F12"};

    PortalKeyGrab grab(QDBusConnection::sessionBus());
    Heard heard;
    listen(grab, heard);
    grab.take(global_key_table(), GlobalKeys::WithCtrlShift);
    ASSERT_TRUE(served_until([&] { return !heard.notes.empty(); }));
    EXPECT_EQ(heard.notes.last().toStdString(), "Ctrl+Shift+F12 is taken by another program");
    EXPECT_EQ(portal.asked.join(' ').toStdString(), "CreateSession ListShortcuts BindShortcuts");
    ASSERT_EQ(portal.requested.size(), 10);
    EXPECT_EQ(portal.requested.front().id, "F4");
    EXPECT_EQ(portal.requested.front().properties.value("preferred_trigger").toString(),
              "CTRL+SHIFT+F4");
    // Play while held: no key of its own, the user gives it one.
    EXPECT_EQ(portal.requested.back().id, play_while_held.id);
    EXPECT_FALSE(portal.requested.back().properties.contains("preferred_trigger"));
    EXPECT_EQ(heard.refused, 0);

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
}

TEST(PortalKeys, ALaterRunFindsItsShortcutsListedAndDoesNotAskTheUserAgain)
{
    PortalOnBus on_bus;
    ASSERT_TRUE(on_bus.ok) << "run under dbus-run-session";
    StandInPortal& portal = on_bus.portal;
    for (int run = 1; run <= 2; ++run) {
        PortalKeyGrab grab(QDBusConnection::sessionBus());
        Heard heard;
        listen(grab, heard);
        grab.take(global_key_table(), GlobalKeys::FunctionKeys);
        ASSERT_TRUE(served_until([&] { return !heard.notes.empty(); })) << run;
        EXPECT_EQ(heard.notes.last().toStdString(), "") << run;
        EXPECT_EQ(portal.binds(), 1) << run; // the second run is not asked to bind
        portal.send("Activated", "F7");
        portal.send("Deactivated", "F7");
        ASSERT_TRUE(served_until([&] { return !heard.pressed.empty(); })) << run;
        EXPECT_EQ(heard.pressed.front(), Command::NextTip) << run;
    }
    EXPECT_EQ(portal.asked.mid(3).join(' ').toStdString(), "CreateSession ListShortcuts");

    // One of ours missing (an earlier version had no Play while held): bound again.
    portal.held.removeLast();
    PortalKeyGrab grab(QDBusConnection::sessionBus());
    Heard heard;
    listen(grab, heard);
    grab.take(global_key_table(), GlobalKeys::FunctionKeys);
    ASSERT_TRUE(served_until([&] { return !heard.notes.empty(); }));
    EXPECT_EQ(portal.binds(), 2);
    EXPECT_EQ(portal.held.size(), 10);
}

using PortalSession = ControllerTest;

TEST_F(PortalSession, PlayWhileHeldPlaysUntilItsReleasePausesWithTheStepBack)
{
    // Given a paused tip at 12 s and a step back of 5 s, the keys lent by
    // the portal: the shortcut's press plays, its release pauses at 7 s.
    PortalOnBus on_bus;
    ASSERT_TRUE(on_bus.ok) << "run under dbus-run-session";
    FakeSessionWindow window;
    Session session(player, system, event_loop_poster());
    session.attach(view, window);
    GlobalKeysSwitch keys(session, std::make_unique<PortalKeyGrab>(QDBusConnection::sessionBus()));
    EXPECT_EQ(session.global_keys_path(), GlobalKeysPath::Lent);
    player_in_list(3, 0, play_state::paused, 12000);
    Options options = session.controller().options();
    options.back_time = 5;
    options.global_keys = GlobalKeys::FunctionKeys;
    session.apply_options(options);
    ASSERT_TRUE(served_until([&] { return on_bus.portal.binds() == 1; }));
    player.clear_log();

    on_bus.portal.send("Activated", play_while_held.id);
    ASSERT_TRUE(served_until([&] { return player.model.play_state == play_state::playing; }));
    on_bus.portal.send("Deactivated", play_while_held.id);
    ASSERT_TRUE(served_until([&] { return player.model.play_state == play_state::paused; }));
    EXPECT_THAT(player.traffic(), ::testing::IsSupersetOf({"Pause", "JumpTo 7000"}));
    EXPECT_EQ(session.global_keys_path(), GlobalKeysPath::Lent);
}

TEST_F(PortalSession, WithoutThePortalTheDialogSaysTheDesktopOffersNone)
{
    FakeSessionWindow window;
    Session session(player, system, event_loop_poster());
    session.attach(view, window);
    GlobalKeysSwitch keys(session, std::make_unique<PortalKeyGrab>(QDBusConnection::sessionBus()));
    // Found out before any choice, without a dialog on the desktop.
    ASSERT_TRUE(served_until([&] { return session.global_keys_path() != GlobalKeysPath::Lent; }));
    EXPECT_EQ(session.global_keys_path(), GlobalKeysPath::NotOffered);
    EXPECT_EQ(session.global_keys_note(), "");
}

} // namespace
} // namespace cuedeck::testing

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>

#include <clocale>
#include <filesystem>
#include <fstream>

#include "front/control_ids.h"
#include "modal.h"
#include "player/mpv/mpv_backend.h"
#include "support/event_loop_poster.h"
#include "support/headless_mpv.h"
#include "system/posix_system.h"
#include "ui/main_window.h"

namespace cuedeck::testing {

/// Everything real: the window, the controller, a headless mpv, the files.
class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void a_tape_group_resumes_plays_moves_on_and_is_saved()
    {
        TempDir dir;
        TestRecordings recordings(dir);
        QVERIFY(recordings.ok);
        const std::string group = dir.write("group.grp", recordings.playlist + "\n2\n0:03\n");
        HeadlessMpv mpv(dir.path() + "mpv.sock");
        QVERIFY(mpv.wait_until_listening());

        // Under a German locale too (a second run of this test): numbers
        // to and from the player must not follow it.
        if (qgetenv("LC_ALL") == "de_DE.UTF-8")
            QCOMPARE(QString(std::localeconv()->decimal_point), QString(","));
        // The settings go to a config folder of this test's own.
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.path() + "config"));
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(dir.path() + "state"));
        const std::string settings = dir.path() + "config/cuedeck/cuedeck.dat";

        MpvBackend player({mpv.socket_path(), headless_mpv_program()});
        PosixSystem system({"cuedeck", group});
        Session session(player, system, event_loop_poster());
        MainWindow window(session);
        window.start();
        window.show();
        MpvProbe probe(mpv.socket_path());

        // Paused on the stored tip at the zero mark.
        QCOMPARE(probe.number("playlist-pos"), 1.0);
        QVERIFY(probe.flag("pause"));
        QVERIFY(std::abs(probe.number("time-pos") - 3.0) < 0.3);
        QCOMPARE(window.windowTitle(), QString::fromStdString("Cuedeck - " + group));

        Options options = window.controller().options();
        options.back_time = 2;
        window.controller().apply_options(options);
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(!probe.flag("pause"));
        QTRY_VERIFY_WITH_TIMEOUT(probe.number("time-pos") > 3.3, test_deadline_ms());
        const double before_pause = probe.number("time-pos");
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(probe.flag("pause"));
        QVERIFY(probe.number("time-pos") < before_pause - 1.0); // stepped back

        QTest::keyClick(&window, Qt::Key_N);
        QCOMPARE(probe.number("playlist-pos"), 2.0);

        bool asked = false;
        when_modal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            asked = box->text() == QString::fromStdString("Save changes to " + group + "?");
            box->button(QMessageBox::Yes)->click();
        });
        window.findChild<QAction*>(QString("menu_%1").arg(IDM_FILE_EXIT))->trigger();
        QVERIFY(asked);
        QCOMPARE(TempDir::read(group), recordings.playlist + "\n3\n0:00\n");
        QVERIFY(!window.isVisible());
        // The player was closed with the window.
        const auto player_listens = [&] { return UnixSocket().connect(mpv.socket_path()); };
        QTRY_VERIFY_WITH_TIMEOUT(!player_listens(), test_deadline_ms());
        QVERIFY(TempDir::read(settings).starts_with("Openfile\n" + group + "\n"));
    }

    void a_draft_saved_either_way_is_read_again_while_paused()
    {
        TempDir dir;
        TestRecordings recordings(dir);
        QVERIFY(recordings.ok);
        const auto cue = [](const std::string& text) {
            return "1\n00:00:00,000 --> 00:00:10,000\n" + text + "\n";
        };
        const std::string draft = dir.path() + "one.srt";
        const std::string group = dir.write("group.grp", recordings.playlist + "\n1\n0:01\n");
        // The player and the settings elsewhere: in the draft's folder only the user writes.
        TempDir own;
        HeadlessMpv mpv(own.path() + "mpv.sock");
        QVERIFY(mpv.wait_until_listening());
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(own.path() + "config"));
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(own.path() + "state"));
        MpvBackend player({mpv.socket_path(), headless_mpv_program()});
        PosixSystem system({"cuedeck", group});
        Session session(player, system, event_loop_poster());
        MainWindow window(session);
        window.start();
        window.show();
        const auto* heard = window.findChild<QLabel*>("draft_heard");
        QVERIFY(heard != nullptr);
        const int deadline_ms = test_deadline_ms();
        // Paused, the run rests: only the watch on the draft sees it change.
        QTRY_COMPARE_WITH_TIMEOUT(session.tick_period_ms(), 0, deadline_ms);
        std::ofstream(draft + ".new") << cue("as made");
        std::filesystem::rename(draft + ".new", draft);
        QTRY_COMPARE_WITH_TIMEOUT(heard->text(), QString("as made"), deadline_ms);

        // Replaced, as Make Draft, sed -i and most editors save...
        std::ofstream(draft + ".new") << cue("replaced");
        std::filesystem::rename(draft + ".new", draft);
        QTRY_COMPARE_WITH_TIMEOUT(heard->text(), QString("replaced"), deadline_ms);
        // ...then in place, as nano does: the same file emptied and written.
        std::ofstream(draft, std::ios::trunc) << cue("saved in place");
        QTRY_COMPARE_WITH_TIMEOUT(heard->text(), QString("saved in place"), deadline_ms);
        std::ofstream(draft, std::ios::trunc) << cue("and again");
        QTRY_COMPARE_WITH_TIMEOUT(heard->text(), QString("and again"), deadline_ms);
        QCOMPARE(session.tick_period_ms(), 0);
    }
};

} // namespace cuedeck::testing

QTEST_MAIN(cuedeck::testing::EndToEndTest)
#include "end_to_end_test.moc"

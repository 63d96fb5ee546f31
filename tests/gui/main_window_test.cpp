#include <QAccessible>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <cmath>

#include <algorithm>
#include <map>
#include <memory>

#include "control/commands/commands.h"
#include "control/run/command_bodies.h"
#include "front/control_ids.h"
#include "front/window_ids.h"
#include "modal.h"
#include "ui/position_bar.h"
#include "window_rig.h"

namespace cuedeck::testing {

/// Every key the window knows, as Qt names it.
const std::pair<Qt::Key, Command> qt_key_table[] = {
    {Qt::Key_Backspace, Command::Undo},
    {Qt::Key_U, Command::Undo},
    {Qt::Key_Space, Command::PlayPause},
    {Qt::Key_F4, Command::PlayPause},
    {Qt::Key_End, Command::Zero},
    {Qt::Key_Z, Command::Zero},
    {Qt::Key_F9, Command::Zero},
    {Qt::Key_Home, Command::Rewind},
    {Qt::Key_R, Command::Rewind},
    {Qt::Key_F10, Command::Rewind},
    {Qt::Key_F11, Command::Rewind},
    {Qt::Key_Left, Command::Back5Seconds},
    {Qt::Key_B, Command::Back5Seconds},
    {Qt::Key_F5, Command::Back5Seconds},
    {Qt::Key_Up, Command::VolumeUp},
    {Qt::Key_Right, Command::Forward5Seconds},
    {Qt::Key_F, Command::Forward5Seconds},
    {Qt::Key_F8, Command::Forward5Seconds},
    {Qt::Key_Down, Command::VolumeDown},
    {Qt::Key_D, Command::Redo},
    {Qt::Key_N, Command::NextTip},
    {Qt::Key_F7, Command::NextTip},
    {Qt::Key_P, Command::LastTip},
    {Qt::Key_F6, Command::LastTip},
    {Qt::Key_T, Command::TipTimer},
    {Qt::Key_F12, Command::TipTimer},
    {Qt::Key_I, Command::SayWhere},
    {Qt::Key_X, Command::PreviousCue},
    {Qt::Key_C, Command::CueAgain},
    {Qt::Key_V, Command::NextCue},
    // The speed's keys.
    {Qt::Key_BracketLeft, Command::Slower},
    {Qt::Key_BracketRight, Command::Faster},
    {Qt::Key_Equal, Command::NormalSpeed},
};

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void every_key_of_the_table_runs_its_command_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("command");
        QCOMPARE(std::size(qt_key_table), key_table().size() + speed_key_table().size());
        for (const auto& [key, command] : qt_key_table)
            QTest::newRow(QKeySequence(key).toString().toUtf8()) << int(key) << int(command);
    }

    void every_key_of_the_table_runs_its_command()
    {
        QFETCH(int, key);
        QFETCH(int, command);
        Rig rig;
        QTest::keyClick(&rig.window, Qt::Key(key));
        QCOMPARE(rig.player.traffic(), traffic_of(Command(command)));
        QVERIFY(!rig.player.traffic().empty() || Command(command) == Command::TipTimer);
    }

    void every_named_command_runs_as_its_key_does()
    {
        // cuedeck --command NAME and the desktop's remotes come this way.
        struct Named
        {
            const char* name;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        };
        const Named names[] = {
            {"play-pause", Qt::Key_Space},
            {"zero", Qt::Key_Z},
            {"rewind", Qt::Key_R},
            {"back", Qt::Key_B},
            {"forward", Qt::Key_F},
            {"last-tip", Qt::Key_P},
            {"next-tip", Qt::Key_N},
            {"tip-timer", Qt::Key_T},
            {"volume-up", Qt::Key_Up},
            {"volume-down", Qt::Key_Down},
            {"undo", Qt::Key_U},
            {"redo", Qt::Key_D},
            {"slower", Qt::Key_BracketLeft},
            {"faster", Qt::Key_BracketRight},
            {"normal-speed", Qt::Key_Equal},
            {"reduce-noise", Qt::Key_H},
            {"voice-band", Qt::Key_W},
            {"even-loudness", Qt::Key_E},
            {"louder", Qt::Key_A},
            {"channel-both", Qt::Key_1},
            {"channel-left", Qt::Key_2},
            {"channel-right", Qt::Key_3},
            {"channel-mixed", Qt::Key_4},
            {"loop", Qt::Key_L},
            {"phrase-back", Qt::Key_Left, Qt::ShiftModifier},
            {"phrase-forward", Qt::Key_Right, Qt::ShiftModifier},
            {"say-where", Qt::Key_I},
            {"previous-cue", Qt::Key_X},
            {"cue-again", Qt::Key_C},
            {"next-cue", Qt::Key_V},
            {"loop-cue", Qt::Key_S},
        };
        // Copy Place's key has Ctrl: what both do shows on the clipboard.
        Rig copied_by_key;
        QCOMPARE(copied_by_key.menu(IDM_EDIT_COPY_PLACE)->shortcut(), QKeySequence("Ctrl+C"));
        copied_by_key.menu(IDM_EDIT_COPY_PLACE)->trigger();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.startsWith("[2 00:00:"), qPrintable(copied));
        QGuiApplication::clipboard()->clear();
        Rig copied_remotely;
        QCOMPARE(copied_remotely.session.submit({*command_named("copy-place")}), std::string());
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);

        // So do the cue's and the draft's copies (see the draft's test), and
        // the drafts made have no key (see the recognizers' process test).
        QCOMPARE(
            std::size(names) + 6,
            std::size_t(std::count_if(command_table().begin(), command_table().end(),
                                      [](const CommandRow& row) { return row.name != nullptr; })));
        for (const auto& [name, key, modifiers] : names) {
            Rig keyed;
            QTest::keyClick(&keyed.window, key, modifiers);
            QVERIFY2(!keyed.player.traffic().empty(), name);
            Rig remote;
            const auto command = command_named(name);
            QVERIFY2(command.has_value(), name);
            QCOMPARE(remote.session.submit({*command}), std::string());
            QCOMPARE(remote.player.traffic(), keyed.player.traffic());
        }
        // Not while a dialog waits for an answer, as with the keys.
        Rig rig;
        std::string refusal;
        when_modal([&](QWidget*) { refusal = rig.session.submit({Command::NextTip}); });
        rig.menu(IDM_HELP_ABOUT)->trigger();
        QVERIFY(!refusal.empty());
        QVERIFY(rig.player.traffic().empty());
    }

    void the_draft_line_opens_under_the_bar_while_the_tip_has_a_draft()
    {
        Rig rig;
        rig.window.show();
        auto* line = rig.window.findChild<QWidget*>(QString("control_%1").arg(IDC_DRAFT_LINE));
        auto* heard = rig.window.findChild<QLabel*>("draft_heard");
        auto* next = rig.window.findChild<QLabel*>("draft_next");
        QPushButton* below =
            rig.window.findChild<QPushButton*>(QString("control_%1").arg(IDC_PLAY_PAUSE));
        QVERIFY(line != nullptr && heard != nullptr && next != nullptr && below != nullptr);
        const int button_y = below->y();
        const int height = rig.window.height();
        rig.player.model.file.clear(); // no recording: no draft, no room
        rig.window.controller().refresh();
        QVERIFY(!line->isVisible());
        rig.player.model.file = "/music/interview.wav";
        rig.window.controller().refresh();
        QVERIFY(line->isVisible());
        QCOMPARE(heard->text(), "First");
        QCOMPARE(next->text(), "Second");
        QCOMPARE(heard->accessibleName(), "Draft: First");
        QVERIFY(below->y() > button_y && rig.window.height() > height);
        QVERIFY(below->y() >= line->geometry().bottom());

        rig.menu(IDM_EDIT_COPY_CUE)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), "[2 00:00:00.0] First");
        QTest::keyClick(&rig.window, Qt::Key_V);
        QCOMPARE(rig.player.model.position_ms, 12500);
        QCOMPARE(heard->text(), "Second");

        rig.player.model.file = "/music/other.wav";
        rig.window.controller().refresh();
        QVERIFY(!line->isVisible());
        QCOMPARE(below->y(), button_y);
    }

    void the_speed_shows_below_the_sound_state_only_when_not_normal()
    {
        Rig rig;
        QLabel* speed = rig.label(IDC_SPEED_STATE);
        QCOMPARE(speed->text(), QString());
        QCOMPARE(speed->frameShape(), QFrame::NoFrame); // nothing to see at 100 %
        QVERIFY(speed->geometry().top() >= rig.label(IDC_SOUND_STATE)->geometry().bottom());
        QVERIFY(!speed->geometry().intersects(
            rig.window.findChild<QLabel*>(QString("control_%1").arg(IDC_STOP_PICTURE))
                ->geometry()));
        QTest::keyClick(&rig.window, Qt::Key_BracketLeft);
        QCOMPARE(rig.menu(IDM_PLAY_SLOWER)->text(), "Slower\t[");
        rig.menu(IDM_PLAY_SLOWER)->trigger();
        QCOMPARE(speed->text(), QString("Speed 80 %"));
        QCOMPARE(rig.player.model.speed, 80);
        rig.menu(IDM_PLAY_NORMAL_SPEED)->trigger();
        QCOMPARE(speed->text(), QString());
    }

    void letters_ignore_shift_and_ctrl_but_alt_is_for_the_menus()
    {
        Rig shifted;
        QTest::keyClick(&shifted.window, Qt::Key_Z, Qt::ShiftModifier);
        QCOMPARE(shifted.player.traffic(), traffic_of(Command::Zero));
        Rig ctrl;
        QTest::keyClick(&ctrl.window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(ctrl.player.traffic(), traffic_of(Command::NextTip));
        // Alt+N, Alt+Z: no menu's shortcut, and no command either.
        Rig alt;
        QTest::keyClick(&alt.window, Qt::Key_N, Qt::AltModifier);
        QTest::keyClick(&alt.window, Qt::Key_Z, Qt::AltModifier);
        QVERIFY(alt.player.traffic().empty());
    }

    void a_held_key_repeats_its_command()
    {
        Rig rig;
        for (int i = 0; i < 3; ++i)
            QTest::keyPress(&rig.window, Qt::Key_Right, Qt::NoModifier, -1);
        QCOMPARE(std::count(rig.player.log.begin(), rig.player.log.end(), "Forward5Seconds"), 3);
    }

    void up_and_down_change_only_the_volume()
    {
        Rig rig;
        const QString counter = rig.label(IDC_COUNTER)->text();
        QTest::keyClick(&rig.window, Qt::Key_Up);
        QTest::keyClick(&rig.window, Qt::Key_Down);
        QCOMPARE(rig.player.traffic(), (std::vector<std::string>{"VolumeUp", "VolumeDown"}));
        QCOMPARE(rig.label(IDC_COUNTER)->text(), counter);
    }

    void other_keys_do_nothing_and_enter_or_escape_never_close()
    {
        Rig rig;
        rig.window.show();
        for (Qt::Key key :
             {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Q, Qt::Key_9, Qt::Key_Tab})
            QTest::keyClick(&rig.window, key);
        QVERIFY(rig.window.isVisible());
        QVERIFY(rig.player.traffic().empty());
        QCOMPARE(rig.system.files.size(), 1u); // the draft only: no shut-down, no settings
    }

    void buttons_name_their_keys_and_run_their_commands()
    {
        const std::map<int, QString> captions = {
            {IDC_PLAY_PAUSE, "Play/Pause\n(space)"},   {IDC_ZERO, "Zero\n(End/F9/Z)"},
            {IDC_REWIND, "Rewind\n(Home/F11/R)"},      {IDC_BACK_5, "<<5 Seconds\n(F5/B/<-)"},
            {IDC_FORWARD_5, "5 Seconds>>\n(F8/F/->)"}, {IDC_LAST_TIP, "<<Last Tip\n(F6/P)"},
            {IDC_NEXT_TIP, "Next Tip>>\n(F7/N)"},      {IDC_TIP_TIMER_BUTTON, "Tip Timer\n(F12/T)"},
        };
        QCOMPARE(captions.size(), button_table().size());
        for (const ButtonBinding& binding : button_table()) {
            Rig rig;
            auto* button = rig.window.findChild<QPushButton*>(
                QString("control_%1").arg(button_control(binding.command)));
            QVERIFY(button != nullptr);
            QCOMPARE(button->text(), captions.at(button_control(binding.command)));
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(rig.player.traffic(), traffic_of(binding.command));
        }
    }

    void menus_hold_every_item_and_edit_moves_through_the_history()
    {
        Rig rig;
        for (const MenuItem& item : menu_table())
            QVERIFY(rig.menu(menu_id(item.command)) != nullptr);
        QCOMPARE(rig.menu(IDM_EDIT_UNDO)->text(), "&Undo (backspace)");
        QCOMPARE(rig.menu(IDM_EDIT_REDO)->text(), "&Redo (D)");
        rig.menu(IDM_EDIT_UNDO)->trigger();
        QCOMPARE(rig.window.controller().state().current_tip, 0); // undo went to tip 0
        rig.menu(IDM_EDIT_REDO)->trigger();
        QCOMPARE(rig.window.controller().state().current_tip, 1); // redo back to tip 1

        // The aids' menu before Options, its items checked as the run has them.
        QStringList titles;
        for (QAction* menu : rig.window.menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&Play", "&Sound", "&Options", "&Help"}));
        for (const MenuItem& item : aids_menu_table())
            QVERIFY(rig.menu(menu_id(item.command))->isCheckable());
        for (const MenuItem& item : phrase_menu_table())
            QVERIFY(!rig.menu(menu_id(item.command))->isCheckable());
        QCOMPARE(rig.menu(IDM_SOUND_REDUCE_NOISE)->text(), "Reduce &Noise\tH");
        QCOMPARE(rig.menu(IDM_PLAY_PHRASE_FORWARD)->text(), "Phrase Fo&rward\tShift+->");
        QCOMPARE(rig.menu(IDM_PLAY_LOOP)->text(), "&Loop a Stretch\tL");
        rig.menu(IDM_SOUND_REDUCE_NOISE)->trigger();
        QVERIFY(rig.menu(IDM_SOUND_REDUCE_NOISE)->isChecked());
        QVERIFY(rig.menu(IDM_SOUND_CHANNEL_BOTH)->isChecked());
        QCOMPARE(rig.session.submit({Command::ChannelLeft}), std::string()); // from outside
        Q_EMIT rig.window.menuBar()->actions()[3]->menu()->aboutToShow();
        QVERIFY(rig.menu(IDM_SOUND_CHANNEL_LEFT)->isChecked());
        QVERIFY(!rig.menu(IDM_SOUND_CHANNEL_BOTH)->isChecked());
        QCOMPARE(rig.label(IDC_AIDS_STATE)->text(), "Left, Noise");
    }

    void open_menus_use_the_choosers_with_their_filters()
    {
        Rig rig;
        QStringList filters;
        when_modal([&](QWidget* modal) {
            auto* chooser = qobject_cast<QFileDialog*>(modal);
            QVERIFY(chooser != nullptr);
            filters = chooser->nameFilters();
            chooser->reject();
        });
        rig.menu(IDM_PLAY_OPEN_FILE)->trigger();
        QCOMPARE(filters, QStringList{"Music files (*.mp3 *.wav)"});
        QVERIFY(rig.player.traffic().empty());
    }

    void the_stop_picture_shows_only_when_the_tip_timer_runs_out()
    {
        Rig rig;
        rig.window.show();
        QLabel* stop = rig.label(IDC_STOP_PICTURE);
        QVERIFY(!stop->isVisible());
        QCOMPARE(stop->pixmap().size(), QSize(128, 128));
        Controller& controller = rig.window.controller();
        Options options = controller.options();
        options.tip_time = 1;
        controller.apply_options(options);
        QTest::keyClick(&rig.window, Qt::Key_T);     // a full minute
        QTest::keyClick(&rig.window, Qt::Key_Space); // pause
        QTest::keyClick(&rig.window, Qt::Key_Space); // resume: the count starts
        for (int second = 0; second < 59; ++second)
            controller.tick();
        QVERIFY(!stop->isVisible());
        controller.tick();
        QVERIFY(stop->isVisible());
        // A screen reader is told, as an alert; and I says where the work stands.
        QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(stop);
        QCOMPARE(alert->role(), QAccessible::AlertMessage);
        QCOMPARE(alert->text(QAccessible::Name), QString("STOP: the tip timer has run out"));
        QTest::keyClick(&rig.window, Qt::Key_I);
        QCOMPARE(QAccessible::queryAccessibleInterface(rig.window.findChild<QLabel*>("spoken"))
                     ->text(QAccessible::Name),
                 QString("Tip 2 of 5, playing, counter 0:07, tip timer 0:00, First"));
        QTest::keyClick(&rig.window, Qt::Key_T); // a reset hides it again
        QVERIFY(!stop->isVisible());
        QCOMPARE(alert->text(QAccessible::Name), QString()); // nothing left to find
    }

    void a_long_notice_shows_its_start_is_read_whole_and_goes_when_it_does()
    {
        Rig rig;
        rig.window.show();
        Controller& controller = rig.window.controller();
        QLabel* status = rig.label(IDC_DEVICE_STATE);
        const QString notice("The draft interview of the second day, as the recognizer made it.srt "
                             "is larger than 50 MB: it is not read");
        controller.show_notice(notice.toStdString());
        QVERIFY2(status->text().startsWith("The draft interview"), qPrintable(status->text()));
        QVERIFY(status->fontMetrics().horizontalAdvance(status->text()) <=
                status->contentsRect().width());
        QCOMPARE(status->toolTip(), notice);
        QCOMPARE(status->accessibleName(), notice);
        QAccessibleInterface* spoken =
            QAccessible::queryAccessibleInterface(rig.window.findChild<QLabel*>("spoken"));
        QCOMPARE(spoken->text(QAccessible::Name), notice);
        for (int tick = 0; tick < Controller::notice_ticks; ++tick)
            controller.tick();
        QVERIFY(!status->text().startsWith("The draft"));
        QCOMPARE(status->toolTip(), QString());
        QCOMPARE(spoken->text(QAccessible::Name), QString()); // gone with it
        controller.show_notice("This tip has no draft");      // fits: shown as it is
        QCOMPARE(status->text(), QString("This tip has no draft"));
        QCOMPARE(status->toolTip(), QString());
    }

    void the_stop_picture_and_the_bar_read_on_light_dark_and_high_contrast_palettes()
    {
        // WCAG's contrast of two colours, 1 to 21.
        const auto contrast = [](const QColor& a, const QColor& b) {
            const auto luminance = [](const QColor& c) {
                const auto linear = [](double v) {
                    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
                };
                return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
                       0.0722 * linear(c.blueF());
            };
            const double la = luminance(a), lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        for (const auto& [base, text] : {std::pair{QColor(255, 255, 255), QColor(0, 0, 0)},
                                         std::pair{QColor(42, 42, 42), QColor(230, 230, 230)},
                                         std::pair{QColor(0, 0, 0), QColor(255, 255, 255)}}) {
            QPalette palette;
            palette.setColor(QPalette::Base, base);
            palette.setColor(QPalette::Text, text);
            const BarColours own = bar_colours(palette);
            for (const QColor& mark : {own.waveform, own.zero_mark, own.position})
                QVERIFY2(contrast(mark, base) >= 3.0,
                         qPrintable(mark.name() + " on " + base.name()));
        }
        // The picture is round: its corners show the window, whatever colour it is.
        const QImage stop = Rig().label(IDC_STOP_PICTURE)->pixmap().toImage();
        QCOMPARE(qAlpha(stop.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(stop.pixel(stop.width() - 1, stop.height() - 1)), 0);
    }

    void the_close_box_shuts_down()
    {
        Rig rig;
        rig.window.show();
        QVERIFY(rig.window.close());
        QCOMPARE(rig.player.traffic(), std::vector<std::string>{"close"});
        QCOMPARE(rig.system.files.count("/opt/cuedeck/cuedeck.dat"), 1u);
        QVERIFY(!rig.window.isVisible());
    }

    void file_exit_shuts_down_once()
    {
        Rig rig;
        rig.window.show();
        rig.menu(IDM_FILE_EXIT)->trigger();
        QCOMPARE(rig.player.traffic(), std::vector<std::string>{"close"});
        QCOMPARE(rig.system.files.count("/opt/cuedeck/cuedeck.dat"), 1u);
        QVERIFY(!rig.window.isVisible());
    }

    void the_save_question_is_answered_only_by_its_buttons()
    {
        Rig rig;
        rig.open_group_and_move_the_zero_mark();
        // Keys meant for the window or another program answer nothing.
        bool stayed = false;
        when_modal([&](QWidget* modal) {
            for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space,
                                  Qt::Key_Y, Qt::Key_N})
                QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key(key));
            modal->close();
            stayed = modal->isVisible();
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
        });
        rig.window.close();
        QVERIFY(stayed);
        QCOMPARE(QString::fromStdString(rig.system.files["/work/group.grp"]),
                 QString("/music/tips.m3u\n1\n0:04\n"));
    }

    void a_signal_or_a_logout_ends_the_run_as_the_close_box_does()
    {
        // Given a changed place, ended while the options dialog is open.
        Rig rig;
        rig.open_group_and_move_the_zero_mark();
        when_modal([&](QWidget*) { rig.window.end_run(Attendance::Unattended); });
        rig.menu(IDM_OPTIONS_SETTINGS)->trigger();
        QVERIFY(!rig.window.isVisible());
        QCOMPARE(rig.player.traffic().back(), std::string("close"));
        QCOMPARE(rig.system.files.count("/opt/cuedeck/cuedeck.dat"), 1u);
        QCOMPARE(rig.system.files["/work/group.grp"], std::string("/music/tips.m3u\n1\n0:00\n"));

        // A logout that allows questions asks the save question.
        Rig asked;
        asked.open_group_and_move_the_zero_mark();
        when_modal([](QWidget* modal) {
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
        });
        asked.window.end_run(Attendance::UserPresent);
        QCOMPARE(asked.system.files["/work/group.grp"], std::string("/music/tips.m3u\n1\n0:04\n"));
    }

    void markup_in_titles_and_paths_shows_as_written()
    {
        Rig rig;
        const std::string path = "/music/<b>bold</b> & <i>co.m3u";
        drop(rig, {path});
        QLabel* playlist = rig.label(IDC_PLAYLIST);
        QCOMPARE(playlist->text(), QString::fromStdString(path));
        QCOMPARE(playlist->textFormat(), Qt::PlainText);
        bool plain = false;
        QString caption;
        when_modal([&](QWidget* modal) {
            plain = qobject_cast<QMessageBox*>(modal)->textFormat() == Qt::PlainText;
            caption = modal->windowTitle();
        });
        rig.window.show_message("Cannot save " + path);
        QVERIFY(plain);
        QCOMPARE(caption, QString("Cuedeck")); // the program's name, not its file's
    }

    void the_caption_names_the_player_until_a_tape_group_opens()
    {
        Rig rig;
        QCOMPARE(rig.window.windowTitle(), QString("Cuedeck - Fake Player for Tape Groups"));
        rig.system.files["/work/group.grp"] = "/music/tips.m3u\n1\n0:00\n";
        drop(rig, {"/work/group.grp"});
        QCOMPARE(rig.window.windowTitle(), QString("Cuedeck - /work/group.grp"));
    }

    void the_position_bar_moves_on_a_click_a_drag_and_its_keys_and_reads_as_a_slider()
    {
        Rig rig;
        rig.window.show();
        auto* bar = rig.window.findChild<PositionBar*>(QString("control_%1").arg(IDC_POSITION_BAR));
        QVERIFY(bar != nullptr);
        rig.window.controller().refresh();
        QCOMPARE(bar->state().length_ms, 300000);
        QVERIFY(bar->state().waveform != nullptr);
        const auto at = [&](int per_cent) {
            return QPoint(bar->width() * per_cent / 100, bar->height() / 2);
        };
        const int pixel_ms = 300000 / bar->width() + 1;
        const int recorded = rig.window.controller().state().history.count();

        QTest::mouseClick(bar, Qt::LeftButton, {}, at(50));
        QVERIFY(std::abs(rig.player.model.position_ms - 150000) <= pixel_ms);
        QCOMPARE(rig.player.model.play_state, 1);                                // still playing
        QCOMPARE(rig.window.controller().state().history.count(), recorded + 2); // left, reached
        run_command(rig.window.controller(), Command::Undo);
        QCOMPARE(rig.player.model.position_ms, 10000);

        // A drag moves only when let go, to where it was let go.
        QTest::mousePress(bar, Qt::LeftButton, {}, at(10));
        QTest::mouseMove(bar, at(80));
        QCOMPARE(rig.player.model.position_ms, 10000);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at(80));
        QVERIFY(std::abs(rig.player.model.position_ms - 240000) <= pixel_ms);

        // Its keys with the focus; the window's keys still reach the window.
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(rig.player.model.position_ms, 0);
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(rig.player.model.position_ms, 300000);
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(rig.player.model.position_ms, 295000);

        QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(bar);
        QVERIFY(slider != nullptr);
        QCOMPARE(slider->role(), QAccessible::Slider);
        QCOMPARE(slider->text(QAccessible::Name), QString("Position"));
        QCOMPARE(slider->text(QAccessible::Value), rig.label(IDC_COUNTER)->text());
        QVERIFY(slider->valueInterface() != nullptr);
        QCOMPARE(slider->valueInterface()->maximumValue().toInt(), 300);
    }

    void drops_of_one_file_are_taken_and_of_two_ignored()
    {
        Rig one;
        drop(one, {"/music/talk.wav"});
        QCOMPARE(one.player.model.loaded, std::string("/music/talk.wav"));
        QCOMPARE(one.label(IDC_PLAYLIST)->text(), QString());
        Rig two;
        drop(two, {"/music/a.m3u", "/music/b.m3u"});
        QVERIFY(two.player.traffic().empty());
    }
};

} // namespace cuedeck::testing

QTEST_MAIN(cuedeck::testing::MainWindowTest)
#include "main_window_test.moc"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "control/commands/global_keys.h"
#include "front/control_ids.h"
#include "modal.h"
#include "support/deadline.h"
#include "support/options_with.h"
#include "ui/options_dialog.h"
#include "window_rig.h"

namespace cuedeck::testing {

/// The options dialog, through the window's Settings command.
class OptionsDialogTest : public QObject
{
    Q_OBJECT

private slots:

    void cancel_leaves_every_value_even_after_browse_and_preview()
    {
        Rig rig;
        const Options before = options_with(7, "/s/bell.wav", 1, 1, 3);
        rig.window.controller().apply_options(before);
        when_modal([&](QWidget* modal) {
            auto* dialog = qobject_cast<OptionsDialog*>(modal);
            QVERIFY(dialog != nullptr);
            dialog->findChild<QLineEdit*>("tip_time")->setText("99");
            dialog->findChild<QCheckBox*>("sound_on")->setChecked(false);
            when_modal(
                [](QWidget* chooser) {
                    auto* file_dialog = qobject_cast<QFileDialog*>(chooser);
                    QVERIFY(file_dialog != nullptr);
                    QCOMPARE(file_dialog->nameFilters(), QStringList{"Wav Files (*.wav)"});
                    // Typed into the chooser, as a person would.
                    auto* name = file_dialog->findChild<QLineEdit*>("fileNameEdit");
                    QVERIFY(name != nullptr);
                    name->setText(QDir::tempPath() + "/other.wav");
                    static_cast<QDialog*>(file_dialog)->accept();
                },
                dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>("browse"), Qt::LeftButton);
            // Browse rewrote every control from the dialog's values.
            QCOMPARE(dialog->findChild<QLineEdit*>("tip_time")->text(), QString("7"));
            QCOMPARE(dialog->findChild<QLineEdit*>("sound_file")->text(),
                     QDir::tempPath() + "/other.wav");
            QTest::mouseClick(dialog->findChild<QPushButton*>("preview"), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton*>("cancel"), Qt::LeftButton);
        });
        rig.menu(IDM_OPTIONS_SETTINGS)->trigger();
        const Options after = rig.window.controller().options();
        QCOMPARE(after.tip_time, 7);
        QCOMPARE(after.sound_file, std::string("/s/bell.wav"));
        QCOMPARE(after.play_using, 1);
        QCOMPARE(after.sound_on, 1);
        QCOMPARE(after.back_time, 3);
        // Preview played the dialog's choice of file, by the dialog's method.
        QCOMPARE(rig.system.sounds, std::vector<std::string>{
                                        "async " + QDir::tempPath().toStdString() + "/other.wav"});
    }

    void an_unknown_method_shows_no_choice_and_ok_stores_none()
    {
        Rig rig;
        rig.window.controller().apply_options(options_with(0, "", 2, 5, 0));
        when_modal([&](QWidget* modal) {
            QVERIFY(!modal->findChild<QRadioButton*>("amovie")->isChecked());
            QVERIFY(!modal->findChild<QRadioButton*>("playsnd")->isChecked());
            // The two ways are named for what they do here, not by Windows' names.
            for (const char* way : {"amovie", "playsnd"}) {
                const auto* radio = modal->findChild<QRadioButton*>(way);
                QVERIFY(radio->text() != "Amovie" && radio->text() != "Playsnd");
                QVERIFY(!radio->accessibleDescription().isEmpty());
            }
            QVERIFY(modal->findChild<QCheckBox*>("sound_on")->isChecked()); // 5 shows ticked
            QTest::mouseClick(modal->findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        rig.menu(IDM_OPTIONS_SETTINGS)->trigger();
        QCOMPARE(rig.window.controller().options().play_using, -1);
        QCOMPARE(rig.window.controller().options().sound_on, 1);
        QCOMPARE(rig.label(IDC_SOUND_STATE)->text(), QString("Sound ON"));
    }

    void the_keys_for_every_window_are_chosen_here_with_what_the_desktop_says_of_them()
    {
        Rig rig;
        Session& remote = rig.session;
        remote.set_global_keys_note("F12 is taken by another program");
        // The desktop's side: a choice tried out is told at once.
        std::vector<std::optional<int>> tried;
        remote.listen_to_keys_trial([&](std::optional<int> choice) {
            tried.push_back(choice);
            remote.set_global_keys_note(choice == 2 ? "Ctrl+Shift+F12 is taken by another program"
                                                    : "");
        });
        when_modal([](QWidget* modal) {
            auto* note = modal->findChild<QLabel*>("global_keys_note");
            QCOMPARE(note->text(), QString("F12 is taken by another program"));
            QVERIFY(note->isVisible());
            auto* choice = modal->findChild<QComboBox*>("global_keys");
            QCOMPARE(choice->currentIndex(), 0); // off, as on a fresh machine
            // The path is said while keys are chosen: here X11's grabs.
            auto* path = modal->findChild<QLabel*>("global_keys_path");
            QVERIFY(!path->isVisible());
            QStringList texts;
            for (const QLabel* label : modal->findChildren<QLabel*>())
                texts << label->text();
            QVERIFY(texts.contains("minutes") && texts.contains("seconds")); // the units
            QCOMPARE(choice->count(), 3);
            choice->setCurrentIndex(2);
            emit choice->activated(2); // as the user chooses it
            QCOMPARE(note->text(), QString("Ctrl+Shift+F12 is taken by another program"));
            QVERIFY(path->isVisible());
            QCOMPARE(path->text(), QString("taken by Cuedeck (X11)"));
            QTest::mouseClick(modal->findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        rig.menu(IDM_OPTIONS_SETTINGS)->trigger();
        QVERIFY(rig.window.controller().state().settings.global_keys == GlobalKeys::WithCtrlShift);
        QCOMPARE(tried, (std::vector<std::optional<int>>{2, std::nullopt})); // then the run's

        // Lent by the desktop portal (Wayland), its shortcuts all bound.
        remote.set_global_keys_note("", GlobalKeysPath::Lent);
        when_modal([](QWidget* modal) {
            auto* path = modal->findChild<QLabel*>("global_keys_path");
            QCOMPARE(path->text(), QString("lent by the desktop"));
            QVERIFY(path->isVisible());
            QCOMPARE(modal->findChild<QLabel*>("global_keys_note")->text(), QString());
            QTest::mouseClick(modal->findChild<QPushButton*>("cancel"), Qt::LeftButton);
        });
        rig.menu(IDM_OPTIONS_SETTINGS)->trigger();

        // A desktop that offers none: Off alone, the stored choice kept, and
        // what to use instead. The portal may say so while the dialog is open.
        remote.listen_to_keys_trial([&](std::optional<int> choice) {
            if (choice)
                remote.set_global_keys_note("", GlobalKeysPath::NotOffered);
        });
        when_modal([](QWidget* modal) {
            auto* choice = modal->findChild<QComboBox*>("global_keys");
            QCOMPARE(choice->count(), 3);
            emit choice->activated(1);
            QCOMPARE(choice->count(), 1);
            QVERIFY(!choice->isEnabled());
            auto* path = modal->findChild<QLabel*>("global_keys_path");
            QCOMPARE(path->text(),
                     QString("not offered by this desktop: use a keypad, the pedal, or cuedeck "
                             "--command in the desktop's keyboard settings"));
            QVERIFY(path->isVisible() && path->wordWrap());
            // The whole of it fits above the foot pedal's box, which moves
            // down where the font's lines need it, the dialog taller by as much.
            QVERIFY(path->heightForWidth(path->width()) <= path->height());
            QVERIFY(path->geometry().bottom() < modal->findChild<QGroupBox*>("pedal")->y());
            QVERIFY(modal->rect().contains(
                modal->findChild<QCheckBox*>("draft_subtitles")->geometry()));
            QTest::mouseClick(modal->findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        rig.menu(IDM_OPTIONS_SETTINGS)->trigger();
        QVERIFY(rig.window.controller().state().settings.global_keys == GlobalKeys::WithCtrlShift);
    }

    void learn_takes_three_different_pedals_in_turn_for_the_typed_device()
    {
        Rig rig;
        // A pedal that sends its buttons once learning starts; the left one twice.
        rig.session.listen_to_pedal_learning([&rig](const std::optional<std::string>& device) {
            if (device != "/dev/input/by-id/usb-test-pedal-event-if00")
                return;
            for (const int code : {256, 256, 257, 258})
                QTimer::singleShot(0, [&rig, code] { rig.session.pedal_button_learned(code); });
        });
        when_modal([](QWidget* modal) {
            QCOMPARE(modal->findChild<QLabel*>("pedal_buttons")->text(),
                     QString("Pedals: not learned yet (Learn...)"));
            modal->findChild<QComboBox*>("pedal_device")
                ->setEditText("/dev/input/by-id/usb-test-pedal-event-if00");
            QTest::mouseClick(modal->findChild<QPushButton*>("pedal_learn"), Qt::LeftButton);
            QCOMPARE(modal->findChild<QLabel*>("pedal_buttons")->text(),
                     QString("Pedals: left 256, middle 257, right 258"));
            modal->findChild<QCheckBox*>("pedal_toggles")->setChecked(true);
            QTest::mouseClick(modal->findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        rig.menu(IDM_OPTIONS_SETTINGS)->trigger();
        const RunState& state = rig.window.controller().state();
        QCOMPARE(state.settings.pedal_device,
                 std::string("/dev/input/by-id/usb-test-pedal-event-if00"));
        QVERIFY(state.settings.pedal_buttons == (PedalButtons{256, 257, 258}));
        QVERIFY(state.settings.pedal_mode == PedalMode::Toggle);
    }

    void the_keypad_learns_a_key_and_what_it_runs_and_a_key_is_removed()
    {
        Rig rig;
        const QString device = "/dev/input/by-id/usb-test-keypad-event-kbd";
        // A keypad whose key 79 is pressed once each learning starts.
        rig.session.listen_to_keypad_learning(
            [&rig, device](const std::optional<std::string>& path) {
                if (path == device.toStdString())
                    QTimer::singleShot(0, [&rig] { rig.session.keypad_key_learned(79); });
            });
        // Learn..., the press, then what the key runs.
        const auto learn = [](QWidget* keypad, const char* command) {
            when_modal(
                [command](QWidget* learning) {
                    auto* ok = learning->findChild<QPushButton*>("keypad_learn_ok");
                    QTRY_VERIFY_WITH_TIMEOUT(ok->isEnabled(), test_deadline_ms());
                    auto* runs = learning->findChild<QComboBox*>("keypad_command");
                    runs->setCurrentIndex(runs->findData(QString(command)));
                    QTest::mouseClick(ok, Qt::LeftButton);
                },
                keypad);
            QTest::mouseClick(keypad->findChild<QPushButton*>("keypad_learn"), Qt::LeftButton);
        };
        when_modal([&](QWidget* options) {
            QCOMPARE(options->findChild<QLabel*>("keypad_state")->text(), QString("Keypad: none"));
            when_modal(
                [&](QWidget* keypad) {
                    keypad->findChild<QComboBox*>("keypad_device")->setEditText(device);
                    auto* table = keypad->findChild<QTableWidget*>("keypad_keys");
                    learn(keypad, "back");
                    QCOMPARE(table->rowCount(), 1);
                    table->selectRow(0);
                    QTest::mouseClick(keypad->findChild<QPushButton*>("keypad_remove"),
                                      Qt::LeftButton);
                    QCOMPARE(table->rowCount(), 0);
                    learn(keypad, "next-tip");
                    QCOMPARE(table->item(0, 0)->text(), QString("79"));
                    QCOMPARE(table->item(0, 1)->text(), QString("next-tip"));
                    QTest::mouseClick(keypad->findChild<QPushButton*>("keypad_ok"), Qt::LeftButton);
                },
                options);
            QTest::mouseClick(options->findChild<QPushButton*>("keypad"), Qt::LeftButton);
            QCOMPARE(options->findChild<QLabel*>("keypad_state")->text(),
                     QString("Keypad: 1 keys"));
            QTest::mouseClick(options->findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        rig.menu(IDM_OPTIONS_SETTINGS)->trigger();
        const RunState& state = rig.window.controller().state();
        QCOMPARE(state.settings.keypad_device, device.toStdString());
        QVERIFY(state.settings.keypad_keys == (std::vector<KeypadKey>{{79, "next-tip"}}));
    }

    void tab_goes_as_the_dialog_reads_with_ok_and_cancel_last()
    {
        OptionsDialog dialog([](int, const std::string&) {});
        QStringList order;
        QWidget* at = dialog.findChild<QWidget*>("tip_time");
        do {
            if (at->focusPolicy() & Qt::TabFocus && at->parentWidget() == &dialog) {
                order.append(at->objectName());
                // Each named for a screen reader.
                QVERIFY2(
                    !QAccessible::queryAccessibleInterface(at)->text(QAccessible::Name).isEmpty(),
                    qPrintable(at->objectName()));
            }
            at = at->nextInFocusChain();
        } while (at != dialog.findChild<QWidget*>("tip_time") && order.size() < 40);
        QCOMPARE(order, QStringList({"tip_time", "back_time", "sound_on", "sound_file", "preview",
                                     "browse", "global_keys", "pedal_device", "pedal_learn",
                                     "pedal_toggles", "pedal_cues", "phrase_step_back",
                                     "draft_subtitles", "keypad", "ok", "cancel"}));
    }

    void cancel_keeps_an_unknown_method()
    {
        Rig rig;
        rig.window.controller().apply_options(options_with(0, "", 2, 0, 0));
        when_modal([](QWidget* modal) {
            QTest::mouseClick(modal->findChild<QPushButton*>("cancel"), Qt::LeftButton);
        });
        rig.menu(IDM_OPTIONS_SETTINGS)->trigger();
        QCOMPARE(rig.window.controller().options().play_using, 2);
    }

    void ok_refuses_a_field_that_is_no_whole_number()
    {
        Rig rig;
        rig.window.controller().apply_options(options_with(4, "", 0, 1, 2));
        bool refused = false;
        bool stayed_open = false;
        when_modal([&](QWidget* modal) {
            auto* dialog = qobject_cast<OptionsDialog*>(modal);
            dialog->findChild<QLineEdit*>("back_time")->setText("abc");
            dialog->findChild<QCheckBox*>("sound_on")->setChecked(false);
            when_modal(
                [&](QWidget* message) {
                    refused = qobject_cast<QMessageBox*>(message) != nullptr;
                    qobject_cast<QDialog*>(message)->accept();
                },
                dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
            stayed_open = dialog->isVisible();
            dialog->findChild<QLineEdit*>("back_time")->setText(" -6 ");
            QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        rig.menu(IDM_OPTIONS_SETTINGS)->trigger();
        QVERIFY(refused);
        QVERIFY(stayed_open);
        QCOMPARE(rig.window.controller().options().back_time, -6); // no range check
        QCOMPARE(rig.window.controller().options().sound_on, 0);
        QCOMPARE(rig.label(IDC_SOUND_STATE)->text(), QString("Sound Off"));
    }

private:
};

} // namespace cuedeck::testing

QTEST_MAIN(cuedeck::testing::OptionsDialogTest)
#include "options_dialog_test.moc"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QtTest>

#include "control/commands/commands.h"
#include "control/run/command_bodies.h"
#include "front/control_ids.h"
#include "support/options_with.h"
#include "ui/about_box.h"
#include "ui/options_dialog.h"
#include "ui/translations.h"
#include "window_rig.h"

namespace cuedeck::testing {

namespace {

/// The width a text of one or more lines needs in `widget`'s font.
int needed_width(const QWidget& widget, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest =
            std::max(widest, widget.fontMetrics().horizontalAdvance(QString(line).remove('&')));
    return widest;
}

/// Every text of `top` that does not fit its control, as "control: text".
QStringList clipped(const QWidget& top)
{
    QStringList found;
    const auto check = [&](const QWidget& widget, const QString& text, int room) {
        if (!text.isEmpty() && widget.isVisibleTo(&top) && needed_width(widget, text) > room)
            found.append(QString("%1 (%2 > %3): %4")
                             .arg(widget.objectName(), QString::number(needed_width(widget, text)),
                                  QString::number(room), text));
    };
    for (const QLabel* label : top.findChildren<QLabel*>()) {
        // A wrapped label has the lines it needs, in the height it has.
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                found.append(label->objectName() + ": " + label->text());
        } else if (label->pixmap().isNull()) {
            // A field shortens a long text, and has the whole as its tooltip.
            check(*label, label->toolTip().isEmpty() ? label->text() : label->toolTip(),
                  label->contentsRect().width());
            // A whole line's height, for characters that fill it (Chinese,
            // Japanese, Korean drawn from a taller font); a time's digits do not.
            static const QRegularExpression time("^-?[0-9:]+$");
            if (!label->text().isEmpty() && label->isVisibleTo(&top) &&
                !time.match(label->text()).hasMatch() &&
                label->fontMetrics().height() > label->contentsRect().height())
                found.append(
                    QString("%1 (%2 high > %3): %4")
                        .arg(label->objectName(), QString::number(label->fontMetrics().height()),
                             QString::number(label->contentsRect().height()), label->text()));
        }
    }
    for (const QAbstractButton* button : top.findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QPushButton*>(button) != nullptr) {
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
            check(*button, button->text(), button->width() - margin);
        } else if (!button->text().isEmpty()) {
            // A check box or radio button: its mark, the gap, the text.
            check(*button, button->text(),
                  button->width() -
                      (button->sizeHint().width() - needed_width(*button, button->text())));
        }
    }
    for (const QGroupBox* group : top.findChildren<QGroupBox*>())
        check(*group, group->title(), group->width() - 16);
    return found;
}

/// The main window's controls that show something and lie over another.
QStringList overlapping(const QWidget& window)
{
    std::vector<const QWidget*> shown;
    for (const QWidget* widget : window.findChildren<QWidget*>(QRegularExpression("^control_"))) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (widget->isVisibleTo(&window) && widget->width() > 0 &&
            !(label != nullptr && label->text().isEmpty() && label->pixmap().isNull()))
            shown.push_back(widget);
    }
    QStringList found;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            // Fields side by side may share the pixel that rounding gives both.
            const QRect both = shown[i]->geometry().intersected(shown[j]->geometry());
            if (shown[i]->parentWidget() == shown[j]->parentWidget() && both.width() > 1 &&
                both.height() > 1)
                found.append(shown[i]->objectName() + " over " + shown[j]->objectName());
        }
    }
    return found;
}

/// The files a run leaves behind: a group opened, moved, saved, and the
/// options changed.
std::map<std::string, std::string> files_written()
{
    Rig rig;
    rig.open_group_and_move_the_zero_mark();
    run_command(rig.window.controller(), Command::SaveTapeGroup);
    rig.window.controller().apply_options(options_with(7, "/s/bell.wav", 1, 1, 3));
    rig.window.controller().shut_down(WindowEnding::AsOk, Attendance::Unattended);
    return rig.system.files;
}

} // namespace

/// Every language Cuedeck speaks, in every window: each text fits where the
/// English one does, and nothing stored changes with the language.
class LanguagesTest : public QObject
{
    Q_OBJECT

private slots:

    void cleanup() { use_language(*qApp, "en"); }

    void every_language_has_its_catalogue_built_in()
    {
        QStringList languages = catalogue_languages();
        languages.sort();
        QCOMPARE(languages, QStringList({"de", "es", "fr", "it", "nl", "pt_BR"}));
    }

    void each_text_fits_its_control_in_every_window_and_language()
    {
        const QStringList languages = catalogue_languages() << "en";
        QStringList faults;
        for (const QString& language : languages) {
            QVERIFY(use_language(*qApp, language));
            Rig rig;
            rig.open_group_and_move_the_zero_mark();
            rig.window.show_alarm_picture(true);
            for (Command command :
                 {Command::Slower, Command::ReduceNoise, Command::EvenLoudness, Command::VoiceBand,
                  Command::Louder, Command::ChannelLeft, Command::Loop, Command::Loop})
                run_command(rig.window.controller(), command);
            // The longest the status fields say.
            rig.window.set_field_text(FieldId::DeviceState,
                                      translated(UI_TEXT("Pedal: not an input device")));
            rig.window.set_field_text(FieldId::Speed,
                                      translated(Controller::no_sound_device) + ", 200 %");
            OptionsDialog options([](int, const std::string&) {});
            options.set_global_keys_path(GlobalKeysPath::NotOffered); // its longest note
            AboutBox about;
            for (QWidget* top : {static_cast<QWidget*>(&rig.window),
                                 static_cast<QWidget*>(&options), static_cast<QWidget*>(&about)}) {
                top->show();
                for (const QString& fault : clipped(*top))
                    faults.append(language + ", " + top->windowTitle() + ": " + fault);
            }
            // What the status says of a player that does not answer.
            for (const char* said :
                 {Session::held_notice, Session::too_many_held, Session::held_too_long}) {
                rig.window.set_field_text(FieldId::DeviceState, translated(said, {"mpv"}));
                for (const QString& fault : clipped(rig.window))
                    faults.append(language + ": " + fault);
            }
            // Every aid on, a loop and STOP: nothing drawn over another, and
            // the window within the screen however large the scale.
            for (const QString& fault : overlapping(rig.window))
                faults.append(language + ": " + fault);
            const QSize screen = rig.window.screen()->availableGeometry().size();
            if (rig.window.height() > screen.height() || rig.window.width() > screen.width())
                faults.append(language + QString(": the window is %1x%2 px, the screen %3x%4")
                                             .arg(rig.window.width())
                                             .arg(rig.window.height())
                                             .arg(screen.width())
                                             .arg(screen.height()));
            // Scrolled only in the direction that does not fit: a window as
            // wide as it needs, where the screen has that room, has the
            // whole width in view.
            if (const auto* scrolled = rig.window.findChild<QScrollArea*>("scrolled")) {
                const int bar = scrolled->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
                const int frames = 64; // a window manager's, with room to spare
                if (scrolled->widget()->width() + bar + frames <= screen.width() &&
                    (scrolled->horizontalScrollBar()->isVisible() ||
                     scrolled->viewport()->width() < scrolled->widget()->width()))
                    faults.append(language +
                                  QString(": %1 px of %2 in view, though the screen has room")
                                      .arg(scrolled->viewport()->width())
                                      .arg(scrolled->widget()->width()));
            }
        }
        for (const QString& fault : faults)
            qWarning("clipped: %s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), qPrintable(QString("%1 texts do not fit").arg(faults.size())));
    }

    void a_translated_window_speaks_its_language_with_the_keys_named_in_it()
    {
        QVERIFY(use_language(*qApp, "de"));
        Rig rig;
        rig.window.controller().tick();
        auto* play = rig.window.findChild<QPushButton*>(QString("control_%1").arg(IDC_PLAY_PAUSE));
        QCOMPARE(play->text(), QString("Wiedergabe/Pause\n(Leertaste)"));
        QCOMPARE(rig.window.menuBar()->actions().first()->text(), QString("&Datei"));
        QCOMPARE(rig.label(IDC_PLAYING)->text(), QString("2 von 5   2. interview - fake"));
        // A screen reader reads a field by its label and what it shows.
        QCOMPARE(rig.label(IDC_PLAYING)->accessibleName(),
                 QString("Es läuft 2 von 5   2. interview - fake"));
    }

    void the_files_written_are_the_same_in_every_language()
    {
        const auto english = files_written();
        QVERIFY(std::any_of(english.begin(), english.end(),
                            [](const auto& file) { return file.first.ends_with("cuedeck.dat"); }));
        for (const QString& language : catalogue_languages()) {
            QVERIFY(use_language(*qApp, language));
            QVERIFY(files_written() == english);
        }
    }
};

} // namespace cuedeck::testing

QTEST_MAIN(cuedeck::testing::LanguagesTest)
#include "languages_test.moc"

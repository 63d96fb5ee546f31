#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSessionManager>
#include <QStyle>
#include <QUrl>

#include <cstdio>

#include "front/control_ids.h"
#include "front/window_ids.h"
#include "front/window_resources.h"
#include "ui/about_box.h"
#include "ui/dialog_units.h"
#include "ui/draft_line.h"
#include "ui/options_dialog.h"
#include "ui/pictures.h"
#include "ui/position_bar.h"
#include "ui/qt_keys.h"
#include "ui/qt_text.h"
#include "ui/recognizer_dialog.h"
#include "ui/spoken.h"
#include "ui/window_layout.h"

namespace cuedeck {

namespace {

Qt::Alignment qt_alignment(layout::Align align)
{
    switch (align) {
    case layout::Align::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case layout::Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case layout::Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

MainWindow::MainWindow(Session& session, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_session(session)
{
    m_session.attach(*this, *this);
    setWindowTitle(to_qt(TEXT_TITLE_BEFORE_PLAYER + m_session.player_name()) +
                   ui_text(TEXT_TITLE_AFTER_PLAYER));
    setWindowIcon(application_icon());
    setAcceptDrops(true);
    // The window itself holds the focus, so every key reaches the key table.
    setFocusPolicy(Qt::StrongFocus);
    m_options = new OptionsDialog(
        [this](int method, const std::string& path) { m_session.play_alarm(method, path); }, this);
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &MainWindow::commit_session);
    create_controls();
    create_menus();
    fit_the_screen();
}

MainWindow::~MainWindow()
{
    m_session.detach();
}

void MainWindow::create_controls()
{
    auto* client = new QWidget(this);
    client->setFocusPolicy(Qt::NoFocus);
    QFont dialog_font = font();
    dialog_font.setPointSize(WINDOW_FONT_POINTS);
    client->setFont(dialog_font);
    const DialogUnits units(dialog_font);
    QFont large_font(LARGE_FONT_FACE);
    large_font.setPointSize(LARGE_FONT_POINTS);

    for (const layout::Control& control : layout::main_window_controls()) {
        const QRect place = units.rect(control.x, control.y, control.width, control.height);
        const QString name = QString("control_%1").arg(control.id);
        if (control.kind == layout::Kind::Button) {
            const auto command = command_of_id(control.id);
            const auto binding =
                std::find_if(button_table().begin(), button_table().end(),
                             [&](const ButtonBinding& row) { return command == row.command; });
            if (binding == button_table().end())
                continue;
            auto* button = new QPushButton(to_qt(button_caption(*binding)), client);
            button->setObjectName(name);
            // Read by its label, its keys as its description.
            button->setAccessibleName(ui_text(binding->label));
            button->setAccessibleDescription(
                to_qt(translated(UI_TEXT("Keys: %1"), {key_hint(binding->command)})));
            button->setGeometry(place);
            button->setFocusPolicy(Qt::NoFocus); // no button takes the keys
            connect(button, &QPushButton::clicked, this,
                    [this, command = binding->command] { carry_out(command); });
            continue;
        }
        if (control.kind == layout::Kind::Bar) {
            m_bar = new PositionBar(
                [this](int position_ms) {
                    m_session.submit({Command::PlaceInTip, position_ms});
                    return_focus();
                },
                client);
            m_bar->setObjectName(name);
            m_bar->setGeometry(place);
            continue;
        }
        if (control.kind == layout::Kind::Picture) {
            m_stop_picture = new SpokenAlert(client);
            m_stop_picture->setObjectName(name);
            m_stop_picture->setGeometry(place);
            m_stop_picture->setPixmap(stop_picture());
            m_stop_picture->resize(m_stop_picture->pixmap().size()); // the bitmap's own size
            continue;
        }
        auto* label = new QLabel(client);
        label->setGeometry(place);
        label->setEnabled(control.enabled);
        // Titles and paths are shown as written, never read as markup.
        label->setTextFormat(Qt::PlainText);
        label->setText(ui_text(control.text));
        label->setAlignment(qt_alignment(control.align));
        label->setWordWrap(control.id == IDC_AIDS_STATE);
        if (control.id != 0)
            label->setObjectName(name);
        if (const auto field = field_of_control(control.id))
            m_fields[*field] = label;
        if (control.kind == layout::Kind::Field || control.kind == layout::Kind::LargeField)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // A field one line of text high: its frame goes around that line
        // rather than into it, or the lower parts of characters drawn from a
        // taller font (Chinese, Japanese, Korean) would be cut off.
        if (control.kind == layout::Kind::Field)
            label->setGeometry(place.adjusted(0, -label->frameWidth(), 0, label->frameWidth()));
        if (control.kind == layout::Kind::LargeField)
            label->setFont(large_font);
    }
    // What lies under the bar moves down while the draft line shows.
    for (const layout::Control& control : layout::main_window_controls()) {
        if (control.y < DRAFT_LINE_TOP)
            continue;
        for (QWidget* below : client->findChildren<QWidget*>(QString("control_%1").arg(control.id),
                                                             Qt::FindDirectChildrenOnly))
            m_below_draft.emplace_back(below, below->geometry());
    }
    m_draft_line = new DraftLine(client);
    m_draft_line->setObjectName(QString("control_%1").arg(IDC_DRAFT_LINE));
    m_draft_line->setGeometry(units.rect(AT_DRAFT_LINE));
    m_draft_room_px = units.rect(0, 0, 0, DRAFT_LINE_ROOM).height();
    // Zero-sized: heard, not seen.
    m_spoken = new SpokenAlert(client);
    m_spoken->setObjectName("spoken");
    m_spoken->setGeometry(0, 0, 0, 0);
    setCentralWidget(client);
    m_client_size = units.size(WINDOW_SIZE_WITH_AIDS);
    client->setFixedSize(m_client_size);
}

void MainWindow::fit_the_screen()
{
    // At a large scale on a small screen the window would outgrow the
    // screen, its last buttons and its status out of reach: it is then as
    // large as the screen allows, and scrolls in the direction that does not
    // fit only.
    const QScreen* shown_on = screen();
    if (shown_on == nullptr)
        return;
    const int title_bar = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * frame_allowance_px;
    const QSize room = shown_on->availableGeometry().size() -
                       QSize(2 * frame_allowance_px, title_bar + menuBar()->sizeHint().height());
    auto* scrolled = qobject_cast<QScrollArea*>(centralWidget());
    if (scrolled == nullptr) {
        if (centralWidget()->width() <= room.width() && centralWidget()->height() <= room.height())
            return;
        scrolled = new QScrollArea(this);
        scrolled->setObjectName("scrolled");
        scrolled->setFocusPolicy(Qt::NoFocus); // the keys stay the window's
        scrolled->setFrameShape(QFrame::NoFrame);
        scrolled->setWidget(takeCentralWidget());
        setCentralWidget(scrolled);
    }
    // Each scroll bar takes room from the other direction.
    const QSize client = scrolled->widget()->size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    bool across = false;
    bool down = false;
    for (int settled = 0; settled < 2; ++settled) {
        down = client.height() + (across ? bar : 0) > room.height();
        across = client.width() + (down ? bar : 0) > room.width();
    }
    scrolled->setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    scrolled->setVerticalScrollBarPolicy(down ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    // Fixed, as the window is: the window takes the size of what it holds.
    scrolled->setFixedSize(std::min(client.width() + (down ? bar : 0), room.width()),
                           std::min(client.height() + (across ? bar : 0), room.height()));
}

void MainWindow::create_menus()
{
    std::map<std::string, QMenu*> menus;
    const auto add_items = [&](std::span<const MenuItem> items) {
        for (const MenuItem& item : items) {
            QMenu*& menu = menus[item.menu];
            if (menu == nullptr)
                menu = menuBar()->addMenu(ui_text(item.menu));
            QAction* action = menu->addAction(to_qt(menu_text(item)));
            action->setObjectName(QString("menu_%1").arg(menu_id(item.command)));
            if (item.shortcut != nullptr)
                action->setShortcut(QKeySequence(item.shortcut));
            if (shown_checked(item.command, m_session.state())) {
                action->setCheckable(true);
                m_checked_items.emplace_back(action, item.command);
            }
            connect(action, &QAction::triggered, this,
                    [this, command = item.command] { carry_out(command); });
        }
    };
    add_items(menu_table());
    const RunState& state = m_session.state();
    if (state.speed_control) {
        menus[speed_menu_table().front().menu]->addSeparator();
        add_items(speed_menu_table());
    }
    if (state.loop_control) {
        menus[loop_menu_table().front().menu]->addSeparator();
        add_items(loop_menu_table());
    }
    if (m_session.waveforms() != nullptr) {
        // The phrase keys at the end of the Play menu.
        menus[phrase_menu_table().front().menu]->addSeparator();
        add_items(phrase_menu_table());
    }
    if (state.aids_control) {
        // The Sound menu before Options.
        QAction* options = menus["&Options"]->menuAction();
        QMenu* sound = new QMenu(ui_text(aids_menu_table().front().menu), this);
        menuBar()->insertMenu(options, sound);
        menus[aids_menu_table().front().menu] = sound;
        const auto items = aids_menu_table();
        add_items(items.first(4));
        sound->addSeparator();
        add_items(items.subspan(4));
    }
    // The check marks follow the run, however it was changed.
    for (const auto& [name, menu] : menus)
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::show_checked_items);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // no resizing, no maximising
}

void MainWindow::carry_out(Command command)
{
    m_session.carry_out_in_window(command);
    show_checked_items();
}

void MainWindow::show_checked_items()
{
    for (const auto& [action, command] : m_checked_items)
        action->setChecked(shown_checked(command, m_session.state()).value_or(false));
}

void MainWindow::come_forward()
{
    showNormal();
    // Wayland leaves the stacking to the compositor: raise() does nothing
    // there, and the window comes forward only with the activation token the
    // later copy's launcher gave it, which Qt takes from XDG_ACTIVATION_TOKEN.
    if (!QGuiApplication::platformName().startsWith("wayland"))
        raise();
    else if (!qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN") && !m_told_no_coming_forward) {
        m_told_no_coming_forward = true;
        std::fputs("cuedeck: the window did not come forward for a later start: on Wayland "
                   "that needs an activation token from its launcher\n",
                   stderr);
    }
    activateWindow();
    qunsetenv("XDG_ACTIVATION_TOKEN"); // a token is good for one activation
}

void MainWindow::start()
{
    m_session.start_up();
}

void MainWindow::end_run(Attendance attendance)
{
    // A dialog still open is left unanswered: hiding it ends its exec().
    for (int open = 0; open < 16 && QApplication::activeModalWidget() != nullptr; ++open)
        QApplication::activeModalWidget()->hide();
    if (m_ended || m_closing)
        return; // already ending; the question it was asking was just left
    m_closing = true;
    m_session.shut_down(WindowEnding::DefaultClose, attendance);
    m_closing = false;
    close();
}

void MainWindow::commit_session(QSessionManager& manager)
{
    const bool may_ask = manager.allowsInteraction();
    end_run(may_ask ? Attendance::UserPresent : Attendance::Unattended);
    if (may_ask)
        manager.release();
}

void MainWindow::open_settings()
{
    m_options->set_global_keys_path(m_session.global_keys_path());
    m_options->set_values(m_session.options());
    m_options->set_global_keys_note(m_session.global_keys_note());
    // A choice of the keys is tried as it is made, and its note shown then.
    m_options->set_global_keys_trial([this](int choice) { m_session.try_global_keys(choice); });
    m_session.follow_global_keys_note([this](const std::string& note, GlobalKeysPath path) {
        m_options->set_global_keys_path(path);
        m_options->set_global_keys_note(note);
    });
    m_options->set_pedal_learner(m_session.pedal_learner());
    m_options->set_keypad_learner(m_session.keypad_learner());
    bool accepted = false;
    {
        const Session::Question question(m_session);
        accepted = m_options->exec() == QDialog::Accepted;
    }
    m_session.follow_global_keys_note({});
    if (accepted)
        m_session.apply_options(m_options->values());
    m_session.try_global_keys(std::nullopt); // the run's choice again, changed or not
    return_focus();
}

void MainWindow::open_recognizer_settings()
{
    RecognizerDialog dialog(this);
    dialog.set_values(m_session.options(), int(m_session.recognizer_choice().kind));
    bool accepted = false;
    {
        const Session::Question question(m_session);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (accepted)
        m_session.apply_options(dialog.values());
    return_focus();
}

void MainWindow::tell(const std::string& text)
{
    m_session.tell(text);
}

void MainWindow::show_told(const std::string& text)
{
    show_message(text);
}

void MainWindow::open_help()
{
    const std::string page = m_session.help_page_path();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(to_qt(page))))
        show_message(translated(
            UI_TEXT("No web browser could be started to show the help. The help page is\n%1"),
            {page}));
}

void MainWindow::open_about()
{
    {
        const Session::Question question(m_session);
        AboutBox about(this);
        about.exec();
    }
    return_focus();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Held keys repeat their command; Shift and Ctrl do not change a letter.
    // Alt is the menus' (Alt+H is Help in one language, a letter's command
    // in another): an Alt combination that no menu took runs nothing.
    if (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    if (const auto command =
            command_for_key(key_from_qt(event->key(), event->modifiers() & Qt::ShiftModifier),
                            {m_session.state().aids_control, m_session.waveforms() != nullptr})) {
        carry_out(*command);
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_ended && !m_closing) {
        m_closing = true;
        m_session.shut_down(WindowEnding::DefaultClose);
        m_closing = false;
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    // Once the drop is over: opening may ask questions, and the program the
    // file came from waits for the drop to end.
    QTimer::singleShot(0, this, [this, urls = event->mimeData()->urls()] { drop_urls(urls); });
}

void MainWindow::drop_urls(const QList<QUrl>& urls)
{
    std::vector<std::string> files;
    for (const QUrl& url : urls)
        files.push_back(url.isLocalFile() ? from_qt(url.toLocalFile()) : std::string());
    m_session.drop(files);
}

void MainWindow::open_handed_file(const QString& file)
{
    m_session.open_handed_file(from_qt(file));
}

void MainWindow::look_for_player_in(int milliseconds)
{
    QTimer::singleShot(milliseconds, this, [this] { m_session.look_for_player(); });
}

void MainWindow::start_tick()
{
    m_tick.start();
}

void MainWindow::stop_tick()
{
    m_tick.stop();
}

void MainWindow::end_window(WindowEnding)
{
    // Either way the window closes and the program ends with it.
    m_ended = true;
    if (!m_closing)
        close();
}

} // namespace cuedeck

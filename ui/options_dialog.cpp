#include "ui/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "control/commands/global_keys.h"
#include "control/commands/pedal.h"
#include "control/dialogs/options_exchange.h"
#include "front/window_resources.h"
#include "system/input_devices.h"
#include "ui/dialog_units.h"
#include "ui/file_filter.h"
#include "ui/keypad_dialog.h"
#include "ui/qt_text.h"

namespace cuedeck {

OptionsDialog::OptionsDialog(PreviewSound preview, QWidget* parent)
    : QDialog(parent), m_preview(std::move(preview))
{
    setWindowTitle(ui_text(TEXT_OPTIONS_CAPTION));
    create_controls();
    values_to_controls();
}

void OptionsDialog::create_controls()
{
    QFont font = this->font();
    font.setPointSize(SMALL_DIALOG_FONT_POINTS);
    setFont(font);
    const DialogUnits units(font);
    m_size = units.size(OPTIONS_SIZE_WITH_KEYPAD);

    auto place = [&](QWidget* widget, int x, int y, int width, int height) {
        widget->setGeometry(units.rect(x, y, width, height));
        return widget;
    };
    auto number_edit = [&](const char* name, int x, int y, int width, int height) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setAlignment(Qt::AlignRight);
        place(edit, x, y, width, height);
        return edit;
    };

    auto* ok = new QPushButton(ui_text(UI_TEXT("OK")), this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    place(ok, AT_OPT_OK);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
    auto* cancel = new QPushButton(ui_text(UI_TEXT("Cancel")), this);
    cancel->setObjectName("cancel");
    place(cancel, AT_OPT_CANCEL);
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);

    place(new QLabel(ui_text(TEXT_OPT_TIP_TIME), this), AT_OPT_TIP_TIME_LABEL);
    m_tip_time = number_edit("tip_time", AT_OPT_TIP_TIME);
    // Named for a screen reader by the labels beside them.
    m_tip_time->setAccessibleName(ui_text(TEXT_OPT_TIP_TIME));
    m_tip_time->setAccessibleDescription(ui_text(TEXT_OPT_MINUTES));
    place(new QLabel(ui_text(TEXT_OPT_MINUTES), this), AT_OPT_TIP_TIME_UNIT);
    m_sound_on = new QCheckBox(ui_text(TEXT_SOUND_ON), this);
    m_sound_on->setObjectName("sound_on");
    place(m_sound_on, AT_OPT_SOUND_ON);

    place(new QGroupBox(ui_text(TEXT_OPT_PLAY_USING), this), AT_OPT_PLAY_USING);
    m_play_using = new QButtonGroup(this);
    // The stored choice is the Windows one (Amovie 0, Playsnd 1); here the
    // two are named for what they do on this desktop.
    auto* amovie = new QRadioButton(TEXT_OPT_SEPARATE_PLAYER, this);
    amovie->setObjectName("amovie");
    amovie->setToolTip(ui_text(TEXT_OPT_SEPARATE_PLAYER_SAYS));
    amovie->setAccessibleDescription(amovie->toolTip());
    place(amovie, AT_OPT_AMOVIE);
    auto* playsnd = new QRadioButton(ui_text(TEXT_OPT_SOUND_SERVER), this);
    playsnd->setObjectName("playsnd");
    playsnd->setToolTip(ui_text(TEXT_OPT_SOUND_SERVER_SAYS));
    playsnd->setAccessibleDescription(playsnd->toolTip());
    place(playsnd, AT_OPT_PLAYSND);
    m_play_using->addButton(amovie, 0);
    m_play_using->addButton(playsnd, 1);
    // The radio buttons are not reached with Tab.
    amovie->setFocusPolicy(Qt::ClickFocus);
    playsnd->setFocusPolicy(Qt::ClickFocus);

    m_sound_file = new QLineEdit(this);
    m_sound_file->setObjectName("sound_file");
    place(m_sound_file, AT_OPT_SOUND_FILE);
    auto* browse = new QPushButton(ui_text(TEXT_OPT_BROWSE), this);
    browse->setObjectName("browse");
    place(browse, AT_OPT_BROWSE);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::browse);
    auto* preview = new QPushButton(ui_text(TEXT_OPT_PREVIEW), this);
    preview->setObjectName("preview");
    place(preview, AT_OPT_PREVIEW);
    connect(preview, &QPushButton::clicked, this, &OptionsDialog::preview);
    auto* sound_label = new QLabel(ui_text(TEXT_OPT_SOUND_FILE), this);
    sound_label->setBuddy(m_sound_file);
    sound_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(sound_label, AT_OPT_SOUND_FILE_LABEL);

    place(new QLabel(ui_text(TEXT_OPT_BACK_TIME), this), AT_OPT_BACK_TIME_LABEL);
    m_back_time = number_edit("back_time", AT_OPT_BACK_TIME);
    m_back_time->setAccessibleName(ui_text(TEXT_OPT_BACK_TIME));
    m_back_time->setAccessibleDescription(ui_text(TEXT_OPT_SECONDS));
    place(new QLabel(ui_text(TEXT_OPT_SECONDS), this), AT_OPT_BACK_TIME_UNIT);

    auto* keys_label = new QLabel(ui_text(global_keys_caption), this);
    keys_label->setWordWrap(true); // two lines where one is too short
    place(keys_label, AT_OPT_GLOBAL_KEYS_LABEL);
    // A font's wrapped lines may be taller than its height, which dialog
    // units count in: the caption takes the lines it needs, and what lies
    // below moves down as far.
    const int keys_label_more =
        std::max(keys_label->heightForWidth(keys_label->width()) - keys_label->height(), 0);
    keys_label->resize(keys_label->width(), keys_label->height() + keys_label_more);
    m_global_keys = new QComboBox(this);
    m_global_keys->setObjectName("global_keys");
    keys_label->setBuddy(m_global_keys);
    connect(m_global_keys, &QComboBox::activated, this, [this](int choice) {
        show_global_keys_path();
        if (m_keys_trial)
            m_keys_trial(choice);
    });
    place(m_global_keys, AT_OPT_GLOBAL_KEYS);
    // Below the choice, the path first, then what could not be taken; the
    // two share the note's lines, as only one of them is long.
    m_global_keys_lines = units.rect(AT_OPT_GLOBAL_KEYS_NOTE);
    m_below_keys_top = m_global_keys_lines.bottom() + 1;
    m_global_keys_lines.translate(0, keys_label_more);
    auto line = [&](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    m_global_keys_path_label = line("global_keys_path");
    m_global_keys_note = line("global_keys_note");

    create_pedal_controls(units);
    create_keypad_controls(units);
    for (QWidget* below : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (below->y() >= m_below_keys_top)
            m_below_keys.emplace_back(below, below->pos());
    }
    // A check box along the right edge is as wide as its text, and the
    // dialog wider by as much as the widest needs, its margin kept.
    const int margin = m_size.width() - ok->geometry().right() - 1;
    for (QCheckBox* check : {m_sound_on, m_phrase_step_back, m_draft_subtitles}) {
        check->resize(std::max(check->width(), check->sizeHint().width()), check->height());
        m_size.setWidth(std::max(m_size.width(), check->geometry().right() + 1 + margin));
    }
    set_global_keys_path(GlobalKeysPath::Grabbed);

    // Tab goes as the dialog reads: down the left, a row's controls left to
    // right, and OK and Cancel last.
    QWidget* reading_order[] = {
        m_tip_time,   m_back_time,        m_sound_on,        m_sound_file,  preview,
        browse,       m_global_keys,      m_pedal_device,    m_pedal_learn, m_pedal_toggles,
        m_pedal_cues, m_phrase_step_back, m_draft_subtitles, m_keypad,      ok,
        cancel};
    for (std::size_t i = 1; i < std::size(reading_order); ++i)
        setTabOrder(reading_order[i - 1], reading_order[i]);
}

void OptionsDialog::create_pedal_controls(const DialogUnits& units)
{
    auto place = [&](QWidget* widget, int x, int y, int width, int height) {
        widget->setGeometry(units.rect(x, y, width, height));
    };
    auto* pedal = new QGroupBox(ui_text(TEXT_OPT_PEDAL), this);
    pedal->setObjectName("pedal");
    place(pedal, AT_OPT_PEDAL);
    m_pedal_device = new QComboBox(this);
    m_pedal_device->setAccessibleName(ui_text(TEXT_OPT_PEDAL));
    m_pedal_device->setObjectName("pedal_device");
    m_pedal_device->setEditable(true); // a path the list does not show may be typed
    place(m_pedal_device, AT_OPT_PEDAL_DEVICE);
    m_pedal_learn = new QPushButton(ui_text(TEXT_OPT_PEDAL_LEARN), this);
    m_pedal_learn->setObjectName("pedal_learn");
    place(m_pedal_learn, AT_OPT_PEDAL_LEARN);
    connect(m_pedal_learn, &QPushButton::clicked, this, &OptionsDialog::learn_pedal);
    m_pedal_buttons = new QLabel(this);
    m_pedal_buttons->setObjectName("pedal_buttons");
    place(m_pedal_buttons, AT_OPT_PEDAL_BUTTONS);
    m_pedal_toggles = new QCheckBox(ui_text(TEXT_OPT_PEDAL_TOGGLES), this);
    m_pedal_toggles->setObjectName("pedal_toggles");
    place(m_pedal_toggles, AT_OPT_PEDAL_TOGGLES);
    m_pedal_cues = new QCheckBox(ui_text(TEXT_OPT_PEDAL_CUES), this);
    m_pedal_cues->setObjectName("pedal_cues");
    place(m_pedal_cues, AT_OPT_PEDAL_CUES);
    m_phrase_step_back = new QCheckBox(ui_text(options_exchange::phrase_step_back_label), this);
    m_phrase_step_back->setObjectName("phrase_step_back");
    place(m_phrase_step_back, AT_OPT_PHRASE_STEP_BACK);
    m_draft_subtitles = new QCheckBox(ui_text(options_exchange::draft_subtitles_label), this);
    m_draft_subtitles->setObjectName("draft_subtitles");
    place(m_draft_subtitles, AT_OPT_DRAFT_SUBTITLES);
}

void OptionsDialog::create_keypad_controls(const DialogUnits& units)
{
    m_keypad = new QPushButton(ui_text(options_exchange::keypad_button), this);
    m_keypad->setObjectName("keypad");
    m_keypad->setGeometry(units.rect(AT_OPT_KEYPAD));
    connect(m_keypad, &QPushButton::clicked, this, &OptionsDialog::edit_keypad);
    m_keypad_state = new QLabel(this);
    m_keypad_state->setObjectName("keypad_state");
    m_keypad_state->setGeometry(units.rect(AT_OPT_KEYPAD_STATE));
}

void OptionsDialog::show_keypad_state()
{
    m_keypad_state->setText(
        m_values.keypad_device.empty()
            ? ui_text(options_exchange::keypad_none)
            : ui_text(options_exchange::keypad_keys_learned).arg(m_values.keypad_keys.size()));
}

void OptionsDialog::edit_keypad()
{
    KeypadDialog keypad(m_values.keypad_device, m_values.keypad_keys, m_keypad_learner, this);
    if (keypad.exec() != QDialog::Accepted)
        return;
    m_values.keypad_device = keypad.device();
    m_values.keypad_keys = keypad.keys();
    show_keypad_state();
}

void OptionsDialog::show_pedal_buttons()
{
    const auto& codes = m_learned;
    m_pedal_buttons->setText(codes ? ui_text(options_exchange::pedal_buttons_learned)
                                         .arg((*codes)[0])
                                         .arg((*codes)[1])
                                         .arg((*codes)[2])
                                   : ui_text(options_exchange::pedal_buttons_not_learned));
}

/// The device chosen or typed: the path behind a listed item, else the text.
static std::string chosen_device(const QComboBox& devices)
{
    const int index = devices.findText(devices.currentText());
    if (index >= 0)
        return from_qt(devices.itemData(index).toString());
    return from_qt(devices.currentText().trimmed());
}

void OptionsDialog::learn_pedal()
{
    const std::string device = chosen_device(*m_pedal_device);
    if (device.empty()) {
        QMessageBox::information(this, windowTitle(),
                                 ui_text(options_exchange::pedal_device_first));
        return;
    }
    if (!m_pedal_learner)
        return;
    QDialog learning(this);
    learning.setWindowTitle(ui_text(TEXT_OPT_PEDAL_LEARN_CAPTION));
    // Wide enough for its title and the longest prompt.
    learning.setMinimumWidth(
        learning.fontMetrics().horizontalAdvance(ui_text(TEXT_OPT_PEDAL_LEARN_CAPTION)) * 2 + 80);
    auto* layout = new QVBoxLayout(&learning);
    auto* prompt = new QLabel(&learning);
    prompt->setObjectName("pedal_prompt");
    layout->addWidget(prompt);
    auto* cancel = new QPushButton(ui_text(UI_TEXT("Cancel")), &learning);
    layout->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, &learning, &QDialog::reject);
    const auto& prompts = options_exchange::pedal_prompts;
    std::vector<int> codes;
    prompt->setText(ui_text(prompts[0]));
    m_pedal_learner(device, [&](int code) {
        if (!options_exchange::learn_pedal_button(codes, code))
            return;
        if (codes.size() == std::size(prompts))
            learning.accept();
        else
            prompt->setText(ui_text(prompts[codes.size()]));
    });
    const bool learned = learning.exec() == QDialog::Accepted;
    m_pedal_learner({}, {});
    if (learned)
        m_learned = PedalButtons{codes[0], codes[1], codes[2]};
    show_pedal_buttons();
}

void OptionsDialog::set_global_keys_note(const std::string& note)
{
    // The desktop's own note is marked; a note of taken keys comes translated.
    m_global_keys_note->setText(ui_text(note.c_str()));
    place_global_keys_lines();
}

void OptionsDialog::set_global_keys_path(GlobalKeysPath path)
{
    const bool offered = path != GlobalKeysPath::NotOffered;
    const int items = offered ? int(std::size(global_keys_items)) : 1; // Off alone
    m_global_keys_path = path;
    if (m_global_keys->count() != items) {
        const int chosen = m_global_keys->currentIndex();
        m_global_keys->clear();
        for (int i = 0; i < items; ++i)
            m_global_keys->addItem(ui_text(global_keys_items[i]));
        m_global_keys->setCurrentIndex(std::clamp(chosen, 0, items - 1));
        m_global_keys->setEnabled(offered);
    }
    show_global_keys_path();
}

void OptionsDialog::show_global_keys_path()
{
    const bool said = m_global_keys_path == GlobalKeysPath::NotOffered ||
                      m_global_keys->currentIndex() > int(GlobalKeys::Off);
    m_global_keys_path_label->setText(
        said ? ui_text(global_keys_path_texts[std::size_t(m_global_keys_path)]) : QString());
    m_global_keys_path_label->setVisible(said);
    place_global_keys_lines();
}

void OptionsDialog::place_global_keys_lines()
{
    const QRect& lines = m_global_keys_lines;
    const auto needed = [&](QLabel* label) {
        return label->isVisibleTo(this) && !label->text().isEmpty()
                   ? label->heightForWidth(lines.width())
                   : 0;
    };
    const int path = needed(m_global_keys_path_label);
    const int note = std::max(needed(m_global_keys_note), lines.height() - path);
    m_global_keys_path_label->setGeometry(lines.x(), lines.y(), lines.width(), path);
    m_global_keys_note->setGeometry(lines.x(), lines.y() + path, lines.width(), note);
    // Lines more than the room holds push the pedal's box and the rest down.
    const int more = std::max(lines.y() + path + note - m_below_keys_top, 0);
    for (const auto& [below, at] : m_below_keys)
        below->move(at + QPoint(0, more));
    setFixedSize(m_size + QSize(0, more));
}

void OptionsDialog::set_values(const Options& values)
{
    m_values = values;
    values_to_controls();
}

void OptionsDialog::values_to_controls()
{
    const auto shown = options_exchange::show(m_values);
    m_play_using->setExclusive(false);
    for (QAbstractButton* button : m_play_using->buttons())
        button->setChecked(m_play_using->id(button) == shown.play_using);
    m_play_using->setExclusive(true);
    m_sound_file->setText(to_qt(shown.sound_file));
    m_sound_on->setChecked(shown.sound_on);
    m_tip_time->setText(to_qt(shown.tip_time));
    m_back_time->setText(to_qt(shown.back_time));
    const bool offered = m_global_keys_path != GlobalKeysPath::NotOffered;
    m_global_keys->setCurrentIndex(offered ? shown.global_keys : 0);
    show_global_keys_path();
    m_pedal_device->clear();
    std::size_t chosen = 0;
    for (const auto& choice :
         options_exchange::pedal_choices(input_devices(), shown.pedal_device, chosen))
        m_pedal_device->addItem(choice.path.empty() ? ui_text(choice.label.c_str())
                                                    : to_qt(choice.label),
                                to_qt(choice.path));
    m_pedal_device->setCurrentIndex(int(chosen));
    m_learned = shown.pedal_buttons;
    show_pedal_buttons();
    m_pedal_toggles->setChecked(shown.pedal_toggles);
    m_pedal_cues->setChecked(shown.pedal_cues);
    m_phrase_step_back->setChecked(shown.phrase_step_back);
    m_draft_subtitles->setChecked(shown.draft_subtitles);
    show_keypad_state();
}

bool OptionsDialog::controls_to_values()
{
    const options_exchange::Controls controls{
        .play_using = m_play_using->checkedId(),
        .sound_file = from_qt(m_sound_file->text()),
        .sound_on = m_sound_on->isChecked(),
        .tip_time = from_qt(m_tip_time->text()),
        .back_time = from_qt(m_back_time->text()),
        .global_keys = m_global_keys->currentIndex(),
        .pedal_device = chosen_device(*m_pedal_device),
        .pedal_buttons = m_learned,
        .pedal_toggles = m_pedal_toggles->isChecked(),
        .pedal_cues = m_pedal_cues->isChecked(),
        .phrase_step_back = m_phrase_step_back->isChecked(),
        .draft_subtitles = m_draft_subtitles->isChecked(),
    };
    const GlobalKeys stored_keys = m_values.global_keys;
    const auto refused = options_exchange::read(controls, m_values);
    if (m_global_keys_path == GlobalKeysPath::NotOffered)
        m_values.global_keys = stored_keys; // kept for a desktop that offers them
    if (!refused)
        return true;
    QLineEdit* edit = *refused == options_exchange::NumberField::TipTime ? m_tip_time : m_back_time;
    QMessageBox::warning(this, windowTitle(), ui_text(options_exchange::refusal));
    edit->setFocus();
    edit->selectAll();
    return false;
}

void OptionsDialog::accept()
{
    if (controls_to_values())
        QDialog::accept();
}

void OptionsDialog::browse()
{
    QFileDialog chooser(this);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setNameFilter(
        QString::fromStdString(qt_name_filters(translated(options_exchange::sound_filter))));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    m_values.sound_file = from_qt(chooser.selectedFiles().first());
    // Every control is rewritten from the dialog's values, as on opening.
    values_to_controls();
}

void OptionsDialog::preview()
{
    // What was read before a refused number stays read.
    controls_to_values();
    if (m_preview)
        m_preview(m_values.play_using, m_values.sound_file);
}

} // namespace cuedeck

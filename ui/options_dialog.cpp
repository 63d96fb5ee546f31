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

#include "base/window_resources.h"
#include "control/global_keys.h"
#include "control/options_exchange.h"
#include "ui/dialog_units.h"
#include "ui/file_filter.h"
#include "ui/qt_text.h"

namespace cuedeck {

OptionsDialog::OptionsDialog(PreviewSound preview, QWidget* parent)
    : QDialog(parent), m_preview(std::move(preview))
{
    setWindowTitle(TEXT_OPTIONS_CAPTION);
    create_controls();
    values_to_controls();
}

void OptionsDialog::create_controls()
{
    QFont font = this->font();
    font.setPointSize(SMALL_DIALOG_FONT_POINTS);
    setFont(font);
    const DialogUnits units(font);
    setFixedSize(units.size(OPTIONS_SIZE));

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

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    place(ok, AT_OPT_OK);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cancel");
    place(cancel, AT_OPT_CANCEL);
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);

    place(new QLabel(TEXT_OPT_TIP_TIME, this), AT_OPT_TIP_TIME_LABEL);
    m_tip_time = number_edit("tip_time", AT_OPT_TIP_TIME);
    m_sound_on = new QCheckBox(TEXT_SOUND_ON, this);
    m_sound_on->setObjectName("sound_on");
    place(m_sound_on, AT_OPT_SOUND_ON);

    place(new QGroupBox(TEXT_OPT_PLAY_USING, this), AT_OPT_PLAY_USING);
    m_play_using = new QButtonGroup(this);
    auto* amovie = new QRadioButton(TEXT_OPT_AMOVIE, this);
    amovie->setObjectName("amovie");
    place(amovie, AT_OPT_AMOVIE);
    auto* playsnd = new QRadioButton(TEXT_OPT_PLAYSND, this);
    playsnd->setObjectName("playsnd");
    place(playsnd, AT_OPT_PLAYSND);
    m_play_using->addButton(amovie, 0);
    m_play_using->addButton(playsnd, 1);
    // The radio buttons are not reached with Tab.
    amovie->setFocusPolicy(Qt::ClickFocus);
    playsnd->setFocusPolicy(Qt::ClickFocus);

    m_sound_file = new QLineEdit(this);
    m_sound_file->setObjectName("sound_file");
    place(m_sound_file, AT_OPT_SOUND_FILE);
    auto* browse = new QPushButton(TEXT_OPT_BROWSE, this);
    browse->setObjectName("browse");
    place(browse, AT_OPT_BROWSE);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::browse);
    auto* preview = new QPushButton(TEXT_OPT_PREVIEW, this);
    preview->setObjectName("preview");
    place(preview, AT_OPT_PREVIEW);
    connect(preview, &QPushButton::clicked, this, &OptionsDialog::preview);
    auto* sound_label = new QLabel(TEXT_OPT_SOUND_FILE, this);
    sound_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(sound_label, AT_OPT_SOUND_FILE_LABEL);

    place(new QLabel(TEXT_OPT_BACK_TIME, this), AT_OPT_BACK_TIME_LABEL);
    m_back_time = number_edit("back_time", AT_OPT_BACK_TIME);

    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_tip_time);
    auto* keys_label = new QLabel(global_keys_caption, this);
    place(keys_label, AT_OPT_GLOBAL_KEYS_LABEL);
    m_global_keys = new QComboBox(this);
    m_global_keys->setObjectName("global_keys");
    for (const char* item : global_keys_items)
        m_global_keys->addItem(item);
    keys_label->setBuddy(m_global_keys);
    place(m_global_keys, AT_OPT_GLOBAL_KEYS);
    m_global_keys_note = new QLabel(this);
    m_global_keys_note->setObjectName("global_keys_note");
    m_global_keys_note->setTextFormat(Qt::PlainText);
    m_global_keys_note->setWordWrap(true);
    m_global_keys_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(m_global_keys_note, AT_OPT_GLOBAL_KEYS_NOTE);

    setTabOrder(m_tip_time, m_sound_on);
    setTabOrder(m_sound_on, m_sound_file);
    setTabOrder(m_sound_file, browse);
    setTabOrder(browse, preview);
    setTabOrder(preview, m_back_time);
    setTabOrder(m_back_time, m_global_keys);
}

void OptionsDialog::set_global_keys_note(const std::string& note)
{
    m_global_keys_note->setText(to_qt(note));
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
    m_global_keys->setCurrentIndex(shown.global_keys);
}

bool OptionsDialog::controls_to_values()
{
    const options_exchange::Controls controls{
        m_play_using->checkedId(),   from_qt(m_sound_file->text()), m_sound_on->isChecked(),
        from_qt(m_tip_time->text()), from_qt(m_back_time->text()),  m_global_keys->currentIndex()};
    const auto refused = options_exchange::read(controls, m_values);
    if (!refused)
        return true;
    QLineEdit* edit = *refused == options_exchange::NumberField::TipTime ? m_tip_time : m_back_time;
    QMessageBox::warning(this, windowTitle(), options_exchange::refusal);
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
    chooser.setNameFilter(QString::fromStdString(qt_name_filters(options_exchange::sound_filter)));
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

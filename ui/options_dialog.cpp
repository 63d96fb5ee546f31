#include "ui/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "control/options_exchange.h"
#include "ui/dialog_units.h"
#include "ui/file_filter.h"
#include "ui/qt_text.h"

namespace cuedeck {

namespace {

constexpr int template_width = 186;
constexpr int template_height = 105;
constexpr int dialog_font_points = 8;

} // namespace

OptionsDialog::OptionsDialog(PreviewSound preview, QWidget* parent)
    : QDialog(parent), m_preview(std::move(preview))
{
    setWindowTitle("Cuedeck Options");
    create_controls();
    values_to_controls();
}

void OptionsDialog::create_controls()
{
    QFont font = this->font();
    font.setPointSize(dialog_font_points);
    setFont(font);
    const DialogUnits units(font);
    setFixedSize(units.size(template_width, template_height));

    auto place = [&](QWidget* widget, int x, int y, int width, int height) {
        widget->setGeometry(units.rect(x, y, width, height));
        return widget;
    };
    auto number_edit = [&](const char* name, int x, int y) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setAlignment(Qt::AlignRight);
        place(edit, x, y, 40, 12);
        return edit;
    };

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    place(ok, 129, 7, 50, 14);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cancel");
    place(cancel, 129, 24, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);

    place(new QLabel("TipTime", this), 7, 9, 40, 8);
    m_tip_time = number_edit("tip_time", 47, 7);
    m_sound_on = new QCheckBox("Sound ON", this);
    m_sound_on->setObjectName("sound_on");
    place(m_sound_on, 115, 43, 47, 8);

    place(new QGroupBox("Play Sound Using", this), 7, 35, 94, 27);
    m_play_using = new QButtonGroup(this);
    auto* amovie = new QRadioButton("Amovie", this);
    amovie->setObjectName("amovie");
    place(amovie, 13, 47, 40, 8);
    auto* playsnd = new QRadioButton("Playsnd", this);
    playsnd->setObjectName("playsnd");
    place(playsnd, 53, 46, 46, 8);
    m_play_using->addButton(amovie, 0);
    m_play_using->addButton(playsnd, 1);
    // The radio buttons are not reached with Tab.
    amovie->setFocusPolicy(Qt::ClickFocus);
    playsnd->setFocusPolicy(Qt::ClickFocus);

    m_sound_file = new QLineEdit(this);
    m_sound_file->setObjectName("sound_file");
    place(m_sound_file, 47, 70, 132, 12);
    auto* browse = new QPushButton("Browse...", this);
    browse->setObjectName("browse");
    place(browse, 117, 84, 50, 14);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::browse);
    auto* preview = new QPushButton("Preview", this);
    preview->setObjectName("preview");
    place(preview, 56, 84, 50, 14);
    connect(preview, &QPushButton::clicked, this, &OptionsDialog::preview);
    auto* sound_label = new QLabel("Sound File:", this);
    sound_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(sound_label, 7, 70, 40, 12);

    place(new QLabel("Back Time", this), 7, 23, 40, 8);
    m_back_time = number_edit("back_time", 47, 20);

    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_tip_time);
    setTabOrder(m_tip_time, m_sound_on);
    setTabOrder(m_sound_on, m_sound_file);
    setTabOrder(m_sound_file, browse);
    setTabOrder(browse, preview);
    setTabOrder(preview, m_back_time);
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
}

bool OptionsDialog::controls_to_values()
{
    const options_exchange::Controls controls{
        m_play_using->checkedId(), from_qt(m_sound_file->text()), m_sound_on->isChecked(),
        from_qt(m_tip_time->text()), from_qt(m_back_time->text())};
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

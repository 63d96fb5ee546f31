#include "ui/recognizer_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "control/dialogs/options_exchange.h"
#include "files/recognizer.h"
#include "front/window_resources.h"
#include "ui/qt_text.h"

namespace cuedeck {
namespace {

/// The recognizers in RecognizerKind's order.
constexpr const char* kind_names[] = {
    options_exchange::no_pedal, // "None"
    UI_TEXT("PocketSphinx (English, installed from Debian)"),
    TEXT_REC_WHISPER,
    TEXT_REC_OWN_COMMAND,
    UI_TEXT("A transcription server"),
};

} // namespace

RecognizerDialog::RecognizerDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(ui_text(TEXT_REC_CAPTION));
    auto* form = new QFormLayout(this);
    m_kind = new QComboBox(this);
    m_kind->setObjectName("recognizer");
    for (const char* name : kind_names)
        m_kind->addItem(ui_text(name));
    form->addRow(ui_text(TEXT_REC_KIND), m_kind);
    m_model = add_file_row(TEXT_REC_MODEL, "model");
    m_language = new QLineEdit(this);
    m_language->setObjectName("language");
    m_language->setPlaceholderText("auto");
    form->addRow(ui_text(TEXT_REC_LANGUAGE), m_language);
    m_command = new QLineEdit(this);
    m_command->setObjectName("command");
    form->addRow(ui_text(TEXT_REC_COMMAND), m_command);
    m_placeholders = new QLabel(ui_text(TEXT_REC_PLACEHOLDERS)
                                    .arg(to_qt(std::string(recognizer::audio_placeholder)),
                                         to_qt(std::string(recognizer::output_placeholder)),
                                         to_qt(std::string(recognizer::language_placeholder)),
                                         to_qt(std::string(recognizer::start_placeholder)),
                                         to_qt(std::string(recognizer::length_placeholder))),
                                this);
    m_placeholders->setWordWrap(true);
    form->addRow(QString(), m_placeholders);
    m_server = new QLineEdit(this);
    m_server->setObjectName("server");
    m_server->setPlaceholderText("http://127.0.0.1:8080/v1/audio/transcriptions");
    form->addRow(ui_text(UI_TEXT("&Server:")), m_server);
    m_key_file = add_file_row(UI_TEXT("Access &key file:"), "key_file");
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ui_text(UI_TEXT("OK")), QDialogButtonBox::AcceptRole);
    buttons->addButton(ui_text(UI_TEXT("Cancel")), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &RecognizerDialog::show_rows_of);
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
}

QLineEdit* RecognizerDialog::add_file_row(const char* label, const char* name)
{
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* path = new QLineEdit(row);
    path->setObjectName(name);
    auto* browse = new QPushButton(ui_text(TEXT_OPT_BROWSE), row);
    line->addWidget(path, 1);
    line->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, [this, path] {
        const QString chosen = QFileDialog::getOpenFileName(this, QString(), path->text());
        if (!chosen.isEmpty())
            path->setText(chosen);
    });
    static_cast<QFormLayout*>(layout())->addRow(ui_text(label), row);
    path->setAccessibleName(ui_text(label).remove('&'));
    return path;
}

void RecognizerDialog::show_rows_of(int kind)
{
    auto* form = static_cast<QFormLayout*>(layout());
    const auto shown = [&](QWidget* field, bool visible) {
        form->setRowVisible(form->indexOf(field) >= 0 ? field : field->parentWidget(), visible);
    };
    const auto chosen = RecognizerKind(kind);
    shown(m_model, chosen == RecognizerKind::WhisperCli);
    shown(m_language, chosen == RecognizerKind::WhisperCli || chosen == RecognizerKind::Command ||
                          chosen == RecognizerKind::Server);
    shown(m_command, chosen == RecognizerKind::Command);
    shown(m_placeholders, chosen == RecognizerKind::Command);
    shown(m_server, chosen == RecognizerKind::Server);
    shown(m_key_file, chosen == RecognizerKind::Server);
    adjustSize();
}

void RecognizerDialog::set_values(const Options& values, int effective)
{
    m_values = values;
    m_effective = effective;
    m_kind->setCurrentIndex(effective);
    m_model->setText(to_qt(values.recognizer_model));
    m_language->setText(to_qt(values.recognizer_language));
    m_command->setText(to_qt(values.recognizer_command));
    m_server->setText(to_qt(values.recognizer_server));
    m_key_file->setText(to_qt(values.recognizer_key_file));
    show_rows_of(m_kind->currentIndex());
}

void RecognizerDialog::accept()
{
    // The default (PocketSphinx where it is installed) stays the default
    // until another recognizer is chosen.
    const int kind = m_kind->currentIndex();
    if (m_values.recognizer >= 0 || kind != m_effective)
        m_values.recognizer = kind;
    m_values.recognizer_model = from_qt(m_model->text().trimmed());
    m_values.recognizer_language = from_qt(m_language->text().trimmed());
    m_values.recognizer_command = from_qt(m_command->text().trimmed());
    m_values.recognizer_server = from_qt(m_server->text().trimmed());
    m_values.recognizer_key_file = from_qt(m_key_file->text().trimmed());
    QDialog::accept();
}

} // namespace cuedeck

#include "ui/keypad_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

#include "control/commands/keypad.h"
#include "control/dialogs/options_exchange.h"
#include "front/window_resources.h"
#include "system/input_devices.h"
#include "ui/qt_text.h"

namespace cuedeck {

namespace {

QString choice_label(std::string_view name)
{
    return QString::fromStdString(options_exchange::keypad_choice_label(name));
}

} // namespace

KeypadDialog::KeypadDialog(const std::string& device, std::vector<KeypadKey> keys, Learner learner,
                           QWidget* parent)
    : QDialog(parent), m_learner(std::move(learner)), m_keys(std::move(keys))
{
    setWindowTitle(ui_text(options_exchange::keypad_caption));
    auto* layout = new QVBoxLayout(this);

    m_device = new QComboBox(this);
    m_device->setObjectName("keypad_device");
    m_device->setAccessibleName(ui_text(options_exchange::keypad_caption));
    m_device->setEditable(true); // a path the list does not show may be typed
    std::size_t chosen = 0;
    const auto choices = options_exchange::pedal_choices(input_devices(), device, chosen);
    for (const auto& choice : choices)
        m_device->addItem(choice.path.empty() ? ui_text(choice.label.c_str()) : to_qt(choice.label),
                          to_qt(choice.path));
    // No keypad is chosen for the user: the usual pedal is no keypad.
    m_device->setCurrentIndex(device.empty() ? 0 : int(chosen));
    layout->addWidget(m_device);

    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName("keypad_keys");
    m_table->setHorizontalHeaderLabels({ui_text(options_exchange::keypad_key_column),
                                        ui_text(options_exchange::keypad_command_column)});
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_table);

    auto* row = new QHBoxLayout;
    auto* learn = new QPushButton(ui_text(TEXT_OPT_PEDAL_LEARN), this);
    learn->setObjectName("keypad_learn");
    connect(learn, &QPushButton::clicked, this, &KeypadDialog::learn);
    row->addWidget(learn);
    auto* remove = new QPushButton(ui_text(options_exchange::keypad_remove), this);
    remove->setObjectName("keypad_remove");
    connect(remove, &QPushButton::clicked, this, &KeypadDialog::remove);
    row->addWidget(remove);
    row->addStretch();
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ui_text(UI_TEXT("OK")), QDialogButtonBox::AcceptRole)
        ->setObjectName("keypad_ok");
    buttons->addButton(ui_text(UI_TEXT("Cancel")), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    show_keys();
}

std::string KeypadDialog::device() const
{
    const int index = m_device->findText(m_device->currentText());
    if (index >= 0)
        return from_qt(m_device->itemData(index).toString());
    return from_qt(m_device->currentText().trimmed());
}

void KeypadDialog::show_keys()
{
    m_table->setRowCount(int(m_keys.size()));
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        m_table->setItem(int(i), 0, new QTableWidgetItem(QString::number(m_keys[i].code)));
        m_table->setItem(int(i), 1, new QTableWidgetItem(choice_label(m_keys[i].command)));
    }
    m_table->resizeColumnToContents(0);
}

void KeypadDialog::learn()
{
    const std::string path = device();
    if (path.empty()) {
        QMessageBox::information(this, windowTitle(),
                                 ui_text(options_exchange::keypad_device_first));
        return;
    }
    if (!m_learner)
        return;
    QDialog learning(this);
    learning.setWindowTitle(ui_text(options_exchange::keypad_learn_caption));
    auto* layout = new QVBoxLayout(&learning);
    auto* prompt = new QLabel(ui_text(options_exchange::keypad_prompt), &learning);
    prompt->setObjectName("keypad_prompt");
    layout->addWidget(prompt);
    auto* choices = new QComboBox(&learning);
    choices->setObjectName("keypad_command");
    for (const std::string_view name : keypad_choices())
        choices->addItem(choice_label(name),
                         QString::fromUtf8(name.data(), qsizetype(name.size())));
    choices->setEnabled(false); // until a key is pressed
    layout->addWidget(choices);
    auto* buttons = new QDialogButtonBox(&learning);
    QPushButton* ok = buttons->addButton(ui_text(UI_TEXT("OK")), QDialogButtonBox::AcceptRole);
    ok->setObjectName("keypad_learn_ok");
    ok->setEnabled(false);
    buttons->addButton(ui_text(UI_TEXT("Cancel")), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, &learning, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &learning, &QDialog::reject);
    layout->addWidget(buttons);
    std::optional<int> pressed;
    m_learner(path, [&](int code) {
        // The last key pressed is the one learned; what it runs is kept
        // where it was learned before.
        pressed = code;
        prompt->setText(ui_text(options_exchange::keypad_key_runs).arg(code));
        const auto known = std::find_if(m_keys.begin(), m_keys.end(),
                                        [code](const KeypadKey& key) { return key.code == code; });
        if (known != m_keys.end())
            choices->setCurrentIndex(std::max(0, choices->findData(to_qt(known->command))));
        choices->setEnabled(true);
        ok->setEnabled(true);
        choices->setFocus();
    });
    const bool learned = learning.exec() == QDialog::Accepted;
    m_learner({}, {});
    if (learned && pressed) {
        options_exchange::learn_keypad_key(m_keys, *pressed,
                                           from_qt(choices->currentData().toString()));
        show_keys();
    }
}

void KeypadDialog::remove()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= int(m_keys.size()))
        return;
    m_keys.erase(m_keys.begin() + row);
    show_keys();
}

} // namespace cuedeck

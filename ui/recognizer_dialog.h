#pragma once

#include <QDialog>

#include "control/state/run_state.h"

class QComboBox;
class QLineEdit;
class QLabel;

namespace cuedeck {

/// Options, Recognizer: what Make Draft runs, and that recognizer's own
/// settings; only the rows of the one chosen are shown.
class RecognizerDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RecognizerDialog(QWidget* parent = nullptr);
    /// The settings shown, with `effective` the recognizer they choose (the
    /// default's resolved); their recognizer's among them once accepted.
    void set_values(const Options& values, int effective);
    const Options& values() const { return m_values; }
    void accept() override;

private:
    void show_rows_of(int kind);
    QLineEdit* add_file_row(const char* label, const char* name);

    Options m_values;
    int m_effective = 0;
    QComboBox* m_kind = nullptr;
    QLineEdit* m_model = nullptr;
    QLineEdit* m_language = nullptr;
    QLineEdit* m_command = nullptr;
    QLabel* m_placeholders = nullptr;
    QLineEdit* m_server = nullptr;
    QLineEdit* m_key_file = nullptr;
};

} // namespace cuedeck

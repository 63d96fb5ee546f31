#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "files/settings_format.h"

class QComboBox;
class QTableWidget;

namespace cuedeck {

/// Options, Keypad...: the keypad's device, chosen by name, and its keys,
/// each learned by a press on the keypad and the choice of what it runs.
/// Works on its own copy; the Options dialog takes it back at OK.
class KeypadDialog : public QDialog
{
    Q_OBJECT

public:
    /// Reads the keypad for Learn, as OptionsDialog::PedalLearner reads the pedal.
    using Learner =
        std::function<void(const std::string& device, std::function<void(int code)> pressed)>;

    KeypadDialog(const std::string& device, std::vector<KeypadKey> keys, Learner learner,
                 QWidget* parent = nullptr);

    /// The device chosen or typed; empty for none.
    std::string device() const;
    const std::vector<KeypadKey>& keys() const { return m_keys; }

private:
    void show_keys();
    /// A press on the keypad, then what it runs.
    void learn();
    void remove();

    Learner m_learner;
    std::vector<KeypadKey> m_keys;
    QComboBox* m_device = nullptr;
    QTableWidget* m_table = nullptr;
};

} // namespace cuedeck

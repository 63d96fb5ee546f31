#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "control/commands/global_keys.h"
#include "control/state/run_state.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cuedeck {

/// Options, Settings...: tip time, back time, whether the alarm sounds, how
/// it plays and which file. The dialog works on its own copy of the values;
/// the window takes them back only when it ends with OK.
class OptionsDialog : public QDialog
{
    Q_OBJECT

public:
    /// Plays the alarm for Preview, by method and path.
    using PreviewSound = std::function<void(int method, const std::string& path)>;

    explicit OptionsDialog(PreviewSound preview, QWidget* parent = nullptr);

    /// The dialog's values; play using is -1 when no method is chosen.
    const Options& values() const { return m_values; }
    void set_values(const Options& values);
    /// What the desktop says of the keys for every window (the keys another
    /// program holds); empty when all is well.
    void set_global_keys_note(const std::string& note);
    /// How this desktop lends keys for every window, named beside the
    /// choice. Where it offers none, Off is the only choice shown, and the
    /// stored choice is kept as it is.
    void set_global_keys_path(GlobalKeysPath path);
    /// Tries a choice of the keys out as it is made (the note then says
    /// which keys another program holds).
    using KeysTrial = std::function<void(int choice)>;
    void set_global_keys_trial(KeysTrial trial) { m_keys_trial = std::move(trial); }
    /// Reads the foot pedal for Learn: the code of each button pressed on a
    /// device goes to `pressed`, until it is called with none.
    using PedalLearner =
        std::function<void(const std::string& device, std::function<void(int code)> pressed)>;
    void set_pedal_learner(PedalLearner learner) { m_pedal_learner = std::move(learner); }
    /// Reads the keypad for its Learn, the same way.
    void set_keypad_learner(PedalLearner learner) { m_keypad_learner = std::move(learner); }

    void accept() override;

private:
    void create_controls();
    /// Fill every control from the values.
    void values_to_controls();
    /// Read the controls into the values in the exchange order; stops at,
    /// and complains about, a number field without a whole number.
    bool controls_to_values();
    void browse();
    void preview();
    void create_pedal_controls(const class DialogUnits& units);
    /// Learn: the left, middle and right pedal, pressed in turn.
    void learn_pedal();
    void show_pedal_buttons();
    /// The path beside the choice: said while keys are chosen, or where
    /// none can be.
    void show_global_keys_path();
    /// The path's lines, then the note's, in the room below the choice.
    void place_global_keys_lines();
    void create_keypad_controls(const class DialogUnits& units);
    /// Keypad...: its device and keys, in a dialog of their own.
    void edit_keypad();
    void show_keypad_state();

    PreviewSound m_preview;
    Options m_values;
    QButtonGroup* m_play_using = nullptr;
    QLineEdit* m_sound_file = nullptr;
    QCheckBox* m_sound_on = nullptr;
    QLineEdit* m_tip_time = nullptr;
    QLineEdit* m_back_time = nullptr;
    QComboBox* m_global_keys = nullptr;
    QLabel* m_global_keys_path_label = nullptr;
    QLabel* m_global_keys_note = nullptr;
    QRect m_global_keys_lines; ///< the room the path and the note share
    int m_below_keys_top = 0;  ///< where the controls below the lines begin
    /// The controls below the lines, where they sit while the lines fit.
    std::vector<std::pair<QWidget*, QPoint>> m_below_keys;
    QSize m_size; ///< the dialog's size while the lines fit
    QComboBox* m_pedal_device = nullptr;
    QLabel* m_pedal_buttons = nullptr;
    QCheckBox* m_pedal_toggles = nullptr;
    QPushButton* m_pedal_learn = nullptr;
    QCheckBox* m_phrase_step_back = nullptr;
    QCheckBox* m_draft_subtitles = nullptr;
    QCheckBox* m_pedal_cues = nullptr;
    std::optional<PedalButtons> m_learned; ///< the pedal's buttons as learned
    PedalLearner m_pedal_learner;
    PedalLearner m_keypad_learner;
    QPushButton* m_keypad = nullptr;
    QLabel* m_keypad_state = nullptr;
    KeysTrial m_keys_trial;
    GlobalKeysPath m_global_keys_path = GlobalKeysPath::Grabbed;
};

} // namespace cuedeck

#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "control/dialogs/options_exchange.h"
#include "control/state/run_state.h"

namespace cuedeck {

/// Options, Settings... on Windows: dialog template 132. The dialog works on
/// its own copy of the values; the caller takes them back only after OK.
class OptionsDialogWin32
{
public:
    using PreviewSound = std::function<void(int method, const std::string& path)>;
    /// Tells the user a number field holds no whole number.
    using Refusal = std::function<void(HWND dialog)>;

    OptionsDialogWin32(HINSTANCE instance, PreviewSound preview);

    const Options& values() const { return m_values; }
    void set_values(const Options& values) { m_values = values; }
    void set_refusal(Refusal refusal) { m_refusal = std::move(refusal); }
    /// What is known of the keys for every window; empty when all is well.
    void set_global_keys_note(std::string note) { m_global_keys_note = std::move(note); }
    /// Tries a choice of the keys out as it is made; gives what is then
    /// known of them, for the note.
    using KeysTrial = std::function<std::string(int choice)>;
    void set_global_keys_trial(KeysTrial trial) { m_keys_trial = std::move(trial); }

    /// Learn: `pressed` hears each button pressed on `device` until the
    /// learner is called again without one.
    using PedalLearner =
        std::function<void(const std::string& device, std::function<void(int code)> pressed)>;
    void set_pedal_learner(PedalLearner learner) { m_pedal_learner = std::move(learner); }
    /// The computer's pedal devices, listed when the dialog opens.
    using DeviceLister = std::function<std::vector<InputDevice>()>;
    void set_device_lister(DeviceLister lister) { m_device_lister = std::move(lister); }

    /// Run the dialog over `owner`; true when it ended with OK.
    bool run(HWND owner);
    /// Open it without a loop of its own, for a caller that pumps messages.
    HWND open_modeless(HWND owner);

private:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
    INT_PTR handle(HWND dialog, UINT message, WPARAM wparam);
    void values_to_controls(HWND dialog);
    /// Read the controls in the exchange order, stopping at a refused number.
    bool controls_to_values(HWND dialog);
    void browse(HWND dialog);
    void learn_pedal(HWND dialog);
    void show_pedal_buttons(HWND dialog) const;
    /// The device chosen in the list, or typed.
    std::string chosen_device(HWND dialog) const;
    void end(HWND dialog, INT_PTR result);

    HINSTANCE m_instance;
    PreviewSound m_preview;
    Refusal m_refusal;
    Options m_values;
    std::string m_global_keys_note;
    KeysTrial m_keys_trial;
    PedalLearner m_pedal_learner;
    DeviceLister m_device_lister;
    std::vector<options_exchange::PedalChoice> m_pedal_choices; ///< as listed
    std::optional<PedalButtons> m_learned;
    bool m_modal = false;
    INT_PTR m_result = IDCANCEL;
};

} // namespace cuedeck

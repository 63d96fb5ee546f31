#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/ui_text.h"
#include "control/run/run_state.h"

namespace cuedeck {

/// The options dialog's exchange rules, apart from any widgets, for both
/// front ends: the order the controls are read in, what counts as a whole
/// number (within its setting's bounds), and that a refused number stops the
/// reading with what was read before it kept (Preview plays with those
/// values all the same).
namespace options_exchange {

/// What the dialog's controls hold; the number fields as typed.
struct Controls
{
    int play_using = -1; ///< the chosen radio button, -1 for none
    std::string sound_file;
    bool sound_on = false;
    std::string tip_time;
    std::string back_time;
    int global_keys = 0; ///< the chosen item of "Keys work in every window"
    std::string pedal_device{};
    std::optional<PedalButtons> pedal_buttons{}; ///< as learned
    bool pedal_toggles = false;                  ///< "Middle pedal toggles play/pause"
    bool phrase_step_back = false;               ///< `phrase_step_back_label`
};

enum class NumberField { TipTime, BackTime };

constexpr const char* refusal = UI_TEXT("Please enter an integer.");
constexpr const char* phrase_step_back_label = UI_TEXT("Step back to where the phrase began");
constexpr const char* sound_filter = UI_TEXT("Wav Files (*.wav)|*.wav||");

/// The controls as the values show them: a method other than the two shows
/// no choice, any non-zero sound-on a ticked box.
Controls show(const Options& values);

/// Read the controls into `values` in the exchange order. Nothing when every
/// field was read; else the first number field refused, the fields before it
/// (play using, sound file and sound on among them) read already.
std::optional<NumberField> read(const Controls& controls, Options& values);

/// Optional blanks around an optionally signed run of digits that fits an int.
std::optional<int> whole_number(std::string_view text);

} // namespace options_exchange
} // namespace cuedeck

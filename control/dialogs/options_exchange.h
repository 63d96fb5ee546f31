#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ui_text.h"
#include "control/state/run_state.h"
#include "system/input_devices.h"

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
    bool pedal_cues = false;                     ///< TEXT_OPT_PEDAL_CUES
    bool phrase_step_back = false;               ///< `phrase_step_back_label`
    bool draft_subtitles = true;                 ///< `draft_subtitles_label`
};

enum class NumberField { TipTime, BackTime };

constexpr const char* refusal = UI_TEXT("Please enter an integer.");
constexpr const char* phrase_step_back_label = UI_TEXT("Step back to where the phrase began");
constexpr const char* draft_subtitles_label = UI_TEXT("Show the draft as subtitles in videos");
constexpr const char* sound_filter = UI_TEXT("Wav Files (*.wav)|*.wav||");

/// The controls as the values show them: a method other than the two shows
/// no choice, any non-zero sound-on a ticked box.
Controls show(const Options& values);

/// Read the controls into `values` in the exchange order. Nothing when every
/// field was read; else the first number field refused, the fields before it
/// (play using, sound file and sound on among them) read already.
std::optional<NumberField> read(const Controls& controls, Options& values);

/// One item of the "Foot pedal" list: what it shows, and the device it names.
struct PedalChoice
{
    std::string label;
    std::string path;
    friend bool operator==(const PedalChoice&, const PedalChoice&) = default;
};
/// The USB vendor and product of the pedal most transcribers have, the VEC
/// Infinity, chosen in the list when no device is stored yet.
constexpr const char* usual_pedal = "05f3:00ff";
constexpr const char* no_pedal = UI_TEXT("None");
/// The "Foot pedal" list: None (its label translated by the caller), the
/// computer's devices by name and vendor, and a stored device that is not
/// among them (unplugged now, or typed) as it was written. `chosen` is the
/// item to show: the stored device, or the usual pedal when none is stored.
std::vector<PedalChoice> pedal_choices(const std::vector<InputDevice>& devices,
                                       const std::string& stored, std::size_t& chosen);

/// The pedal's buttons as learned, or not yet; the prompts of Learn, one
/// for each pedal in PedalButtons' order; what Learn says without a device.
constexpr const char* pedal_buttons_learned = UI_TEXT("Pedals: left %1, middle %2, right %3");
constexpr const char* pedal_buttons_not_learned = UI_TEXT("Pedals: not learned yet (Learn...)");
constexpr const char* pedal_prompts[] = {UI_TEXT("Press the left pedal"),
                                         UI_TEXT("Press the middle pedal"),
                                         UI_TEXT("Press the right pedal")};
constexpr const char* pedal_device_first = UI_TEXT("Choose the pedal's device first.");
/// Learn takes a press as the next pedal's unless that button was taken
/// already; true when `code` was taken as the pedal `learned` now ends with.
bool learn_pedal_button(std::vector<int>& learned, int code);

/// The keypad: its part of the dialog, its Learn and its table of keys.
/// The keypad's values are edited in their own dialog and are not among the
/// Controls: a front end without that dialog keeps them as they are.
constexpr const char* keypad_button = UI_TEXT("Keypad...");
constexpr const char* keypad_caption = UI_TEXT("Keypad");
constexpr const char* keypad_none = UI_TEXT("Keypad: none");
constexpr const char* keypad_keys_learned = UI_TEXT("Keypad: %1 keys");
constexpr const char* keypad_device_first = UI_TEXT("Choose the keypad's device first.");
constexpr const char* keypad_learn_caption = UI_TEXT("Learn a keypad key");
constexpr const char* keypad_prompt = UI_TEXT("Press a key on the keypad");
constexpr const char* keypad_key_runs = UI_TEXT("Key %1 runs:");
constexpr const char* keypad_remove = UI_TEXT("Remove");
constexpr const char* keypad_key_column = UI_TEXT("Key");
constexpr const char* keypad_command_column = UI_TEXT("Runs");
constexpr const char* play_while_held_label = UI_TEXT("Play while held, pause when let go");
/// How Learn and the table name a choice of keypad_choices(): the menu's
/// words where a menu item runs it, with the name `cuedeck --command` takes.
std::string keypad_choice_label(std::string_view name);
/// Learn set `code` to run `command`: a key learned again runs the new one.
void learn_keypad_key(std::vector<KeypadKey>& keys, int code, std::string command);

/// Optional blanks around an optionally signed run of digits that fits an int.
std::optional<int> whole_number(std::string_view text);

} // namespace options_exchange
} // namespace cuedeck

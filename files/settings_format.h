#pragma once

#include <array>
#include <climits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cuedeck {

/// Which keys act in every window, whatever has the focus.
enum class GlobalKeys {
    Off = 0,
    FunctionKeys = 1,  ///< F4 to F12 alone
    WithCtrlShift = 2, ///< F4 to F12 with Ctrl+Shift held
};

/// What the middle pedal does: play while it is down (the transcription
/// mode), or play and pause by turns.
enum class PedalMode {
    Hold = 0,
    Toggle = 1,
};

/// The button codes of the left, middle and right pedal.
using PedalButtons = std::array<int, 3>;

/// One learned key of the keypad: its key code and the name of what it
/// runs (a command's name as `cuedeck --command` takes it, or the keypad's
/// own "play while held"). Which names act is the run's to say.
struct KeypadKey
{
    int code;
    std::string command;

    friend bool operator==(const KeypadKey&, const KeypadKey&) = default;
};
/// A key code the keypad's device can send (KEY_MAX of Linux input).
constexpr int highest_key_code = 0x2ff;

/// The playback speed in whole percent of normal: normal and its bounds.
namespace speed {
constexpr int normal = 100;
constexpr int slowest = 50;
constexpr int fastest = 200;
} // namespace speed

/// What the user sets, every one of them in the Options dialog.
struct Settings
{
    int tip_time = 0;       ///< minutes
    std::string sound_file; ///< the alarm sound
    int play_using = 0;     ///< the alarm method, see AlarmSound::Method
    int sound_on = 1;       ///< non-zero: the alarm sounds
    int back_time = 0;      ///< seconds stepped back on every pause
    /// Non-zero: a pause steps back to where its phrase began, where the
    /// waveform shows one near enough.
    int phrase_step_back = 0;
    int pedal_cues = 0;      ///< with a draft, the side pedals step by cue, not 5 seconds
    int draft_subtitles = 1; ///< mpv shows the tip's draft as subtitles in a video
    /// Make Draft's recognizer (a RecognizerKind); -1: PocketSphinx where it
    /// is installed, else none.
    int recognizer = -1;
    std::string recognizer_model;    ///< whisper-cli's model file
    std::string recognizer_language; ///< empty: as the recognizer guesses
    std::string recognizer_command;  ///< the user's command template
    std::string recognizer_server;   ///< a transcription server's address
    std::string recognizer_key_file; ///< the file holding its access key (never the key)
    GlobalKeys global_keys = GlobalKeys::Off;
    std::string pedal_device;                  ///< the foot pedal's device; empty when none
    std::optional<PedalButtons> pedal_buttons; ///< none until learned
    PedalMode pedal_mode = PedalMode::Hold;
    std::string keypad_device;          ///< the keypad's device; empty when none
    std::vector<KeypadKey> keypad_keys; ///< as learned, each code once

    friend bool operator==(const Settings&, const Settings&) = default;
};

/// What "cuedeck.dat" holds beside the settings: where the run was.
struct RunRecord
{
    std::string open_file;    ///< the tape group path; empty when none
    std::optional<int> speed; ///< written only where the player can change speed
    // The clarity aids (1 on, 0 off; the channel as its number), written
    // only where the player has them, and only those that are on.
    std::optional<int> reduce_noise;
    std::optional<int> voice_band;
    std::optional<int> even_loudness;
    std::optional<int> louder;
    std::optional<int> channel;

    friend bool operator==(const RunRecord&, const RunRecord&) = default;
};

/// The whole file.
struct SettingsText
{
    RunRecord run;
    Settings settings;

    friend bool operator==(const SettingsText&, const SettingsText&) = default;
};

/// When a row's pair is written.
enum class WrittenWhen {
    Always,
    Set,        ///< an optional value, when it holds one
    NotDefault, ///< when it is not the row's default
    WithPedal,  ///< while a pedal device is set
    WithKeypad, ///< while a keypad device is set
};

/// One key of the file, described once: its text, where its value lives,
/// its default, its bounds (a whole number outside them reads as the
/// default) and when it is written. The rows come in the order the file is
/// written.
struct SettingRow
{
    using Field = std::variant<std::string RunRecord::*, std::optional<int> RunRecord::*,
                               std::string Settings::*, int Settings::*, GlobalKeys Settings::*,
                               PedalMode Settings::*, std::optional<PedalButtons> Settings::*,
                               std::vector<KeypadKey> Settings::*>;

    const char* key;
    Field field;
    int default_value = 0;
    int minimum = INT_MIN;
    int maximum = INT_MAX;
    WrittenWhen written = WrittenWhen::Always;
};

std::span<const SettingRow> setting_rows();
/// The row of a field: setting_row(&Settings::back_time).
const SettingRow& setting_row(SettingRow::Field field);
/// A whole number the row allows.
inline bool within(const SettingRow& row, int value)
{
    return value >= row.minimum && value <= row.maximum;
}

/// Every value at its row's default.
SettingsText default_settings();

/// The file's text: key and value line pairs in the rows' order. A text
/// value holding a line break is written empty, as it could not be read back.
std::string format_settings(const SettingsText& settings);

/// Apply the text's pairs to `settings`; a value the text does not name keeps
/// its value. Pairs come in any order; the first empty key line ends the
/// reading, and a key that matches none is skipped alone (its value line is
/// then read as a key).
void parse_settings(std::string_view text, SettingsText& settings);

/// The pedal's buttons as "PedalButtons" keeps them: three decimal numbers,
/// blank-separated. None unless there are exactly three whole, different,
/// non-negative numbers.
std::optional<PedalButtons> parse_pedal_buttons(std::string_view text);
std::string format_pedal_buttons(const PedalButtons& codes);

/// The keypad's keys as "KeypadKeys" keeps them: "79:play-pause 80:back",
/// blank-separated. An entry that is not a key code (0 to
/// highest_key_code), a colon and a name of lower-case letters, digits and
/// hyphens is dropped alone, and so is a second entry for a code.
std::vector<KeypadKey> parse_keypad_keys(std::string_view text);
/// Entries that could not be read back are left out.
std::string format_keypad_keys(const std::vector<KeypadKey>& keys);

} // namespace cuedeck

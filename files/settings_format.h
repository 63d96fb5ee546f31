#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cuedeck {

/// What "cuedeck.dat" holds: the settings and the last open tape group.
struct Settings
{
    std::string open_file;  ///< "Openfile": the tape group path; empty when none
    int sound_on = 0;       ///< "SoundOn"
    std::string sound_file; ///< "Soundfile"
    int tip_time = 0;       ///< "Tiptime", minutes
    int play_using = 0;     ///< "Playusing": the alarm method
    int back_time = 0;      ///< "BackTime", seconds
    /// "Speed", whole percent; written after the pairs above, and only when set.
    std::optional<int> speed;
    /// "GlobalKeys": which keys act in every window (0 none, 1 the function
    /// keys, 2 with Ctrl+Shift); written last, and only when not 0.
    int global_keys = 0;
    /// The foot pedal: "PedalDevice" (the device's path), "PedalButtons"
    /// (three codes: left middle right) and "PedalMode" (0 hold, 1 toggle);
    /// written last, and only while a device is set.
    std::string pedal_device;
    std::string pedal_buttons;
    int pedal_mode = 0;

    friend bool operator==(const Settings&, const Settings&) = default;
};

/// The file's text: key and value line pairs in a fixed order, those that
/// are written only when set after the others. A text
/// value holding a line break is written empty, as it could not be read back.
std::string format_settings(const Settings& settings);

/// Apply the text's pairs to `settings`; a field the text does not name keeps
/// its value. Pairs come in any order; the first empty key line ends the
/// reading, and a key that matches none is skipped alone (its value line is
/// then read as a key).
void parse_settings(std::string_view text, Settings& settings);

} // namespace cuedeck
